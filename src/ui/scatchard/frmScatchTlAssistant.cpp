#include "scatchard/frmScatchTlAssistant.h"

#include "exchange/ToolData.h"
#include "platform/EditableGrid.h"
#include "platform/TwipsLayout.h"
#include "scatchard/ScatchardInput.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

using namespace TwipsLayout;

frmScatchTlAssistant::frmScatchTlAssistant()
    : ChildWindow(QStringLiteral("frmScatchTlAssistant"), QStringLiteral("Scatchard Analysis Assistant"))
{
    ToolData::RegisterWindow(this, ToolData::Source::Scatchard, ToolData::Role::Companion);
    showCloseButtonOnly();
    auto *content = new QWidget();
    // The layout's twips sizes are made for an 8-point dialog font.
    QFont small = content->font();
    small.setPointSize(8);
    content->setFont(small);
    fraAssistant = frame(content, "fraAssistant", QStringLiteral("Assistant:"), 60, 60, 2985, 1140);
    lblInputRequirements = textBox(
        fraAssistant, "lblInputRequirements",
        QStringLiteral("The Scatchard Analysis Tool needs at least three data points         (Bound, Bound/Free)."),
        120, 270, 2745, 810);

    fraWhatAbout = frame(content, "fraWhatAbout", QStringLiteral("What about ..."), 60, 1260, 2985, 1080);
    lblBoundAndBoundFree = label(fraWhatAbout, "lblBoundAndBoundFree", QStringLiteral("Bound and Bound/Free?"), 240,
                                 270, 2600);
    lblUnitsTopic = label(fraWhatAbout, "lblUnitsTopic", QStringLiteral("Units?"), 240, 540, 2600);
    lblNavigation = label(fraWhatAbout, "lblNavigation", QStringLiteral("Navigation?"), 240, 810, 2600);
    for (QLabel *topic : {lblBoundAndBoundFree, lblUnitsTopic, lblNavigation}) {
        QFont link = topic->font();
        link.setUnderline(true);
        topic->setFont(link);
        topic->setStyleSheet(QStringLiteral("color: #0000c0"));
        topic->setCursor(Qt::PointingHandCursor);
        topic->adjustSize();
        topic->installEventFilter(this);
    }

    fraTopic = frame(content, "fraTopic", QString(), 60, 2400, 2985, 2400);
    lblTitle = textBox(fraTopic, "lblTitle", QString(), 120, 120, 2745, 255);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblText = textBox(fraTopic, "lblText", QString(), 120, 400, 2745, 1560);
    lblUnits = textBox(fraTopic, "lblUnits", QString(), 120, 2000, 2745, 255);
    setWidget(content);
    Form_Load();
}

QString frmScatchTlAssistant::LongUnitText(const QString &unit)
{
    if (unit == QLatin1String("nM"))
        return QStringLiteral("nM (1E-09 Molar)");
    if (unit == QStringLiteral("\u00B5M"))
        return QStringLiteral("\u00B5M (1E-06 Molar)");
    if (unit == QLatin1String("mM"))
        return QStringLiteral("mM (1E-03 Molar)");
    if (unit == QLatin1String("M"))
        return QStringLiteral("M (Molar)");
    return unit;
}

void frmScatchTlAssistant::Form_Load()
{
    for (QWidget *part : {static_cast<QWidget *>(lblTitle), static_cast<QWidget *>(lblText),
                          static_cast<QWidget *>(lblUnits), static_cast<QWidget *>(fraTopic)})
        part->hide();
    setTwipsGeometry(5070, 0, 3225, 3135);
    lblUnits->setText(LongUnitText(Session::current().concentrationUnit()));
}

void frmScatchTlAssistant::ShowTopic(const QString &title, const QString &text, bool showUnits)
{
    lblTitle->setText(title);
    lblText->setText(text);
    // The text takes the lines it needs in this font: the units label, the
    // frame and the window make room for them.
    TwipsLayout::fitHeightToText(lblText, Twips::toPixelsY(1560));
    const int gap = Twips::toPixelsY(40);
    lblUnits->move(lblUnits->x(), lblText->geometry().bottom() + 1 + gap);
    const QWidget *last = showUnits ? static_cast<QWidget *>(lblUnits) : lblText;
    fraTopic->resize(fraTopic->width(),
                     std::max(Twips::toPixelsY(2400), last->geometry().bottom() + 1 + Twips::toPixelsY(145)));
    fraTopic->show();
    lblTitle->show();
    lblText->show();
    lblUnits->setVisible(showUnits);
    setTwipsSize(twipsWidth(), 5205);
}

void frmScatchTlAssistant::lblBoundAndBoundFree_Click()
{
    ShowTopic(QStringLiteral("Plot (Bound, Bound/Free)"),
              QStringLiteral("To measure the dissociation constant (Kd), the concentration of Bound [A/B] is assayed "
                             "at different concentrations of Total A or Total B, and for each measurement the "
                             "concentration of Bound is plotted on the X-axis, the ratio Bound/Free on the Y-axis. "
                             "This should result in a straight line."),
              false);
}

void frmScatchTlAssistant::lblUnitsTopic_Click()
{
    ShowTopic(QStringLiteral("Units"),
              QStringLiteral("Note that Bound is a concentration with a unit (Molar), whereas the ratio Bound / Free "
                             "has no unit. The unit preference can be set in the Options window (Tools menu). "
                             "Currently concentrations are expressed in:"),
              true);
}

void frmScatchTlAssistant::lblNavigation_Click()
{
    ShowTopic(QStringLiteral("Navigation"),
              QStringLiteral("Click on a cell in the grid to select it, and enter the value. Navigate from one cell "
                             "to another with the arrow keys."),
              false);
}

bool frmScatchTlAssistant::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == lblBoundAndBoundFree)
            lblBoundAndBoundFree_Click();
        else if (watched == lblUnitsTopic)
            lblUnitsTopic_Click();
        else if (watched == lblNavigation)
            lblNavigation_Click();
    }
    return ChildWindow::eventFilter(watched, event);
}

namespace modStatistics {

void ShowInputRequirements()
{
    frmScatchard *tool = scatchardWindows().scatchard;
    frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant;
    if (!tool || !assistant)
        return;
    // The check reads the cells without moving the current cell.
    assistant->lblInputRequirements->setText(InputRequirementsText(tool->gridRows()));
}

void RefreshInputRequirements()
{
    frmScatchTlAssistant *assistant = scatchardWindows().scatchardAssistant;
    if (assistant && assistant->isVisible())
        ShowInputRequirements();
}

} // namespace modStatistics
