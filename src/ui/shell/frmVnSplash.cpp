#include "shell/frmVnSplash.h"

#include "platform/ProgramFolder.h"
#include "platform/Twips.h"
#include "shell/ToolIcons.h"
#include "shell/frmVn_Main.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// At least 65536 colours on the display.
bool displayShowsManyColours()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() >= 16;
}

} // namespace

frmVnSplash::frmVnSplash(frmVn_Main *mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_main(mainWindow)
{
    setObjectName(QStringLiteral("frmVnSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize size(Twips::toPixelsX(5040), Twips::toPixelsY(3855));
    resize(size);

    picSplash = new QLabel(this);
    picSplash->setObjectName(QStringLiteral("picSplash"));
    picSplash->setScaledContents(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picSplash);

    const QString pictureFile = modVnPublic::ProgramFilePath(QStringLiteral("VnSplash.jpg"));
    QPixmap picture;
    if (displayShowsManyColours() && QFileInfo::exists(pictureFile))
        m_fromFile = picture.load(pictureFile);
    picSplash->setPixmap(m_fromFile ? picture : ToolIcons::splashPicture(size));

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmVnSplash::Timer1_Timer);
    Timer1->start();
}

void frmVnSplash::Timer1_Timer()
{
    ++m_ticks;
    if (m_ticks < 3)
        return;
    hide();
    Timer1->stop();
    m_ticks = 0;
    m_main->ShowAfterSplash();
    close();
}
