#include "shell/frmVnAbout.h"

#include "platform/ProgramFolder.h"
#include "platform/Twips.h"
#include "shell/AppWindows.h"
#include "shell/ToolIcons.h"
#include "shell/frmVn_Main.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr double kWidth = 6060;
constexpr double kHeight = 2130;
constexpr int kTicksShown = 20;

// The guide's pages the contact lines open in the help window.
const QString kAboutTopic = QStringLiteral("about.html");
const QString kContributeTopic = QStringLiteral("about.html#contributing");

QLabel *addLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel *addContactLine(QWidget *parent, const char *name, const QString &caption)
{
    QLabel *line = addLabel(parent, name, caption);
    line->setToolTip(QStringLiteral("Click to open this page of the Vornish guide in the help window."));
    line->setCursor(Qt::PointingHandCursor);
    QFont underlined = line->font();
    underlined.setUnderline(true);
    line->setFont(underlined);
    QPalette blue = line->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 192));
    line->setPalette(blue);
    return line;
}

} // namespace

frmVnAbout::frmVnAbout(QWidget *mainWindow)
    : ChildWindow(QStringLiteral("frmVnAbout"), QString())
{
    setWindowFlags(Qt::FramelessWindowHint);
    BuildControls();

    AboutTimer = new QTimer(this);
    AboutTimer->setObjectName(QStringLiteral("AboutTimer"));
    AboutTimer->setInterval(1000);
    connect(AboutTimer, &QTimer::timeout, this, &frmVnAbout::AboutTimer_Timer);

    Form_Load(mainWindow);
}

void frmVnAbout::BuildControls()
{
    auto *content = new QWidget();
    content->setObjectName(QStringLiteral("aboutContent"));
    auto *outer = new QVBoxLayout(content);
    outer->setContentsMargins(0, 0, 0, 0);

    fraAbout = new QFrame(content);
    fraAbout->setObjectName(QStringLiteral("fraAbout"));
    fraAbout->setFrameShape(QFrame::Box);
    outer->addWidget(fraAbout);

    auto *grid = new QGridLayout(fraAbout);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(0);
    grid->setColumnStretch(1, 1);

    picSplash = addLabel(fraAbout, "picSplash", QString());
    picSplash->setPixmap(ToolIcons::toolPicture(QStringLiteral("Vornish"), 72));
    grid->addWidget(picSplash, 0, 0, 5, 1, Qt::AlignCenter);

    lblProductName = addLabel(fraAbout, "lblProductName", QString());
    QFont title = lblProductName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    lblProductName->setFont(title);
    grid->addWidget(lblProductName, 0, 1);
    lblVersion = addLabel(fraAbout, "lblVersion", QString());
    grid->addWidget(lblVersion, 1, 1);
    lblDescription = addLabel(fraAbout, "lblDescription",
                              QStringLiteral("Binding equilibria and kinetics of A + B <=> [A/B]"));
    grid->addWidget(lblDescription, 2, 1);
    lblContactInfo1 = addContactLine(fraAbout, "lblContactInfo1", QStringLiteral("About Vornish"));
    grid->addWidget(lblContactInfo1, 3, 1);
    lblContactInfo2 = addContactLine(fraAbout, "lblContactInfo2", QStringLiteral("Contributing to Vornish"));
    grid->addWidget(lblContactInfo2, 4, 1);

    setWidget(content);
    for (QWidget *part : {content, static_cast<QWidget *>(fraAbout), static_cast<QWidget *>(picSplash),
                          static_cast<QWidget *>(lblProductName), static_cast<QWidget *>(lblVersion),
                          static_cast<QWidget *>(lblDescription), static_cast<QWidget *>(lblContactInfo1),
                          static_cast<QWidget *>(lblContactInfo2)})
        part->installEventFilter(this);
}

void frmVnAbout::Form_Load(QWidget *mainWindow)
{
    const double mainWidth = mainWindow ? Twips::fromPixelsX(mainWindow->width()) : kWidth;
    const double mainHeight = mainWindow ? Twips::fromPixelsY(mainWindow->height()) : kHeight;
    setTwipsGeometry((mainWidth - kWidth) / 2, (mainHeight - kHeight - 2000) / 2, kWidth, kHeight);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(VORNISH_VERSION_MAJOR)
                            .arg(VORNISH_VERSION_MINOR)
                            .arg(VORNISH_VERSION_PATCH));
    lblProductName->setText(modVnPublic::ProgramTitle());
}

void frmVnAbout::ShowAbout()
{
    m_ticks = 0;
    showInFront();
    AboutTimer->start();
}

void frmVnAbout::AboutTimer_Timer()
{
    ++m_ticks;
    if (m_ticks >= kTicksShown)
        CloseAbout();
}

void frmVnAbout::CloseAbout()
{
    hide();
    AboutTimer->stop();
    m_ticks = 0;
}

void frmVnAbout::Form_Click()
{
    CloseAbout();
}

void frmVnAbout::lblContactInfo1_Click()
{
    OpenGuidePage(kAboutTopic);
}

void frmVnAbout::lblContactInfo2_Click()
{
    OpenGuidePage(kContributeTopic);
}

void frmVnAbout::OpenGuidePage(const QString &topic)
{
    CloseAbout();
    // As Help Topics: a guide that cannot be opened is reported, with the advice of Help Problems.
    if (frmVn_Main *main = appWindows().main)
        main->ShowHelp(topic);
}

bool frmVnAbout::eventFilter(QObject *watched, QEvent *event)
{
    // Acted on at the press: the child window takes unhandled presses to move
    // itself, so the release may never reach the line that was clicked.
    if (event->type() != QEvent::MouseButtonPress || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return ChildWindow::eventFilter(watched, event);
    if (watched == lblContactInfo1)
        lblContactInfo1_Click();
    else if (watched == lblContactInfo2)
        lblContactInfo2_Click();
    else
        Form_Click();
    return true;
}
