#include "dynamic/frmDynamVnTlAssistant.h"

#include "dynamic/DynamicWindows.h"
#include "dynamic/UpdateAssistantGuidance.h"
#include "dynamic/frmDynVornish.h"
#include "exchange/ToolData.h"
#include "platform/NumberText.h"
#include "platform/TwipsLayout.h"
#include "session/Session.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr double shortHeight = 3615;
constexpr double tallHeight = 5205;

// A label that reads as a link and is clicked like a button.
QLabel *menuLabel(QWidget *parent, const QString &name, const QString &text, double top)
{
    QLabel *link = TwipsLayout::textBox(parent, name, text, 120, top, 2800, 255);
    link->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline"));
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

} // namespace

using namespace TwipsLayout;

frmDynamVnTlAssistant::frmDynamVnTlAssistant(QWidget *parent)
    : ChildWindow(QStringLiteral("frmDynamVnTlAssistant"), QStringLiteral("DynamVn Tool Assistant"), parent)
{
    ToolData::RegisterWindow(this, ToolData::Source::Dynamic, ToolData::Role::Companion);
    showCloseButtonOnly();
    auto *content = new QWidget(this);
    QFont small = content->font();
    small.setPointSize(8);
    content->setFont(small);

    fraMenu = frame(content, QStringLiteral("fraMenu"), QStringLiteral("What about ..."), 60, 30, 3000, 780);
    lblWhat_About_a_Demo = menuLabel(fraMenu, QStringLiteral("lblWhat_About_a_Demo"),
                                     QStringLiteral("a Demo of this Tool?"), 240);
    lblWhat_About_Units = menuLabel(fraMenu, QStringLiteral("lblWhat_About_Units"), QStringLiteral("Units?"), 480);

    fraDynVnToolHelp = frame(content, QStringLiteral("fraDynVnToolHelp"), QStringLiteral("Assistant:"), 60, 840, 3000,
                             2280);
    lblInputSuggestion = textBox(fraDynVnToolHelp, QStringLiteral("lblInputSuggestion"),
                                 QStringLiteral("Enter values (concentration) for three variables, ..."), 90, 240, 2820,
                                 1980);

    fraWhatAbout = frame(content, QStringLiteral("fraWhatAbout"), QString(), 60, 3150, 3000, 1560);
    lblWhatAboutTitle = textBox(fraWhatAbout, QStringLiteral("lblWhatAboutTitle"), QString(), 90, 90, 2820, 255);
    QFont bold = lblWhatAboutTitle->font();
    bold.setBold(true);
    lblWhatAboutTitle->setFont(bold);
    lblWhatAboutText = textBox(fraWhatAbout, QStringLiteral("lblWhatAboutText"), QString(), 90, 360, 2820, 1170);
    setWidget(content);

    lblWhat_About_a_Demo->installEventFilter(this);
    lblWhat_About_Units->installEventFilter(this);
    Form_Load();
}

void frmDynamVnTlAssistant::Form_Load()
{
    fraWhatAbout->hide();
    setTwipsGeometry(5070, 0, 3225, shortHeight);
}

bool frmDynamVnTlAssistant::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == lblWhat_About_a_Demo)
            lblWhat_About_a_Demo_Click();
        else if (watched == lblWhat_About_Units)
            lblWhat_About_Units_Click();
    }
    return ChildWindow::eventFilter(watched, event);
}

void frmDynamVnTlAssistant::closeEvent(QCloseEvent *event)
{
    if (frmDynVornish *wizard = dynamicWindows().dynamic) {
        wizard->lblStar1->hide();
        wizard->lblStar2->hide();
    }
    ChildWindow::closeEvent(event);
}

void frmDynamVnTlAssistant::showWhatAbout(const QString &title, const QString &text)
{
    fraWhatAbout->show();
    lblWhatAboutTitle->setText(title);
    setWhatAboutText(text);
    setTwipsSize(3225, tallHeight);
}

void frmDynamVnTlAssistant::setWhatAboutText(const QString &text)
{
    // The text takes the lines it needs in this font: the frame and the
    // window make room for them.
    lblWhatAboutText->setText(text);
    fitHeightToText(lblWhatAboutText, Twips::toPixelsY(1170));
    fraWhatAbout->resize(fraWhatAbout->width(), std::max(Twips::toPixelsY(1560), lblWhatAboutText->geometry().bottom()
                                                                                     + 1 + Twips::toPixelsY(90)));
    resize(size().expandedTo(minimumSizeHint()));
}

void frmDynamVnTlAssistant::lblWhat_About_Units_Click()
{
    showWhatAbout(QStringLiteral("Units"),
                  QStringLiteral("Concentrations are expressed in ") + Session::current().concentrationUnit()
                      + QStringLiteral("\n\nTime is expressed in ") + Session::current().timeUnit()
                      + QStringLiteral("\n\nEquilibrium rate constants are expressed in "
                                       "the respective SI units."));
}

void frmDynamVnTlAssistant::lblWhat_About_a_Demo_Click()
{
    showWhatAbout(QStringLiteral("Demo"), QString());
    if (frmDynVornish *wizard = dynamicWindows().dynamic)
        wizard->cmdClearForm_Click();
    DemoStep();
}

void frmDynamVnTlAssistant::DemoStep()
{
    frmDynVornish *wizard = dynamicWindows().dynamic;
    if (!wizard)
        return;
    lblWhatAboutTitle->setText(QStringLiteral("Demo"));
    if (demoStage != 1) {
        wizard->ShowStep(0);
        demoStage = 1;
        fillWizardWithExample();
    }
    if (wizard->CurrentStep() == 3)
        setWhatAboutText(QStringLiteral("Click on the 'Finish' button of the Dynamic Equilibrium Wizard to "
                                        "start the simulation.\nThen go to the Options window to analyze "
                                        "another aspect of the same simulation."));
    else
        setWhatAboutText(QStringLiteral("Click on the 'Next' button of the Dynamic Equilibrium Wizard to go "
                                        "to the next step of this demonstration."));
}

void frmDynamVnTlAssistant::fillWizardWithExample()
{
    frmDynVornish &wizard = *dynamicWindows().dynamic;
    wizard.txtA->setText(NumberText::generalText(0.6));
    wizard.txtB->setText(NumberText::generalText(0.05));
    wizard.txtAB->setText(NumberText::generalText(0.4));
    wizard.txtK_ass_rate->setText(NumberText::format(5e6, QStringLiteral("Scientific")));
    wizard.txtK_diss_rate->clear();
    wizard.txtKd->setText(NumberText::format(1.6e-10, QStringLiteral("Scientific")));
    wizard.txtEndTime->setText(QStringLiteral("45"));
    wizard.cmbTimeUnit->setCurrentIndex(2);
    wizard.txtRecordingInterval->setText(QStringLiteral("1"));
    wizard.cmbSimulationPrecision->setCurrentIndex(1);
    wizard.SetEventCell(1, 1, QStringLiteral("15"));
    wizard.SetEventCell(2, 1, QStringLiteral("2"));
    wizard.SetEventCell(1, 2, QStringLiteral("30"));
    wizard.SetEventCell(2, 2, QStringLiteral("-1"));
    wizard.cmbSelectChangingVariable[0]->setCurrentIndex(1);
    wizard.cmbSelectChangingVariable[1]->setCurrentIndex(2);
}

void frmDynamVnTlAssistant::EndDemo()
{
    demoStage = 0;
    fraWhatAbout->hide();
    setTwipsSize(3225, shortHeight);
}
