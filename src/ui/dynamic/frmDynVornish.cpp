#include "dynamic/frmDynVornish.h"

#include "dynamic/DynamicFinish.h"
#include "dynamic/DynamicWindows.h"
#include "dynamic/UpdateAssistantGuidance.h"
#include "dynamic/WizardChecks.h"
#include "dynamic/WizardLinks.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "dynamic/frmKinetics.h"
#include "exchange/ToolData.h"
#include "graphing/PlotEngine.h"
#include "graphing/UnitDisplays.h"
#include "platform/EditableGrid.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/Twips.h"
#include "printing/ReportWindow.h"
#include "printing/ToolLists.h"
#include "project/ProjectWindow.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

namespace {

const QStringList timeUnitAbbreviations = {QStringLiteral("ms"), QStringLiteral("s"), QStringLiteral("min."),
                                           QStringLiteral("hr.")};

} // namespace

frmDynVornish::frmDynVornish(QWidget *parent)
    : ChildWindow(QStringLiteral("frmDynVornish"), QStringLiteral("Dynamic Equilibrium Wizard"), parent)
{
    ToolData::RegisterWindow(this, ToolData::Source::Dynamic);
    auto *content = new QWidget(this);
    QFont small = content->font();
    small.setPointSize(8);
    content->setFont(small);
    SSTab1 = new QTabWidget(content);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(Twips::toPixels(60, 60, 4740, 4440));
    // Three direct calls: g++ 12's bounds sanitizer miscompiles a loop over
    // an array of pointers to these members.
    auto *step1 = new QWidget;
    buildStep1(step1);
    SSTab1->addTab(step1, QStringLiteral("Step 1"));
    auto *step2 = new QWidget;
    buildStep2(step2);
    SSTab1->addTab(step2, QStringLiteral("Step 2"));
    auto *step3 = new QWidget;
    buildStep3(step3);
    SSTab1->addTab(step3, QStringLiteral("Step 3"));
    buildButtons(content);
    setWidget(content);
    txtEndTime->setText(QStringLiteral("100"));
    txtRecordingInterval->setText(QStringLiteral("2"));
    connectHandlers();
    joinSharedPreferences();
    Form_Load();
    ProjectWindow::Join(this, QStringLiteral("dynamic"),
                        ProjectWindow::TablesNamed({{QStringLiteral("flgDynamVn_Events"), QStringLiteral("Events")}}));
    ReportDetails::SetDetailsSource(modPlot_Graph::DynamicTool, [this] {
        const QString unit = QLatin1Char(' ') + cmbTimeUnit->currentText();
        const ReportSection run{QStringLiteral("Simulation"),
                                {{QStringLiteral("End time:"), txtEndTime->text() + unit},
                                 {QStringLiteral("Recording interval:"), txtRecordingInterval->text() + unit},
                                 {QStringLiteral("Precision (% of the interval):"),
                                  cmbSimulationPrecision->currentText()},
                                 {chkChallenge->text() + QLatin1Char(':'),
                                  chkChallenge->isChecked() ? QStringLiteral("yes") : QStringLiteral("no")}}};
        return QList<ReportSection>{run, ReportWindow::TableSection(QStringLiteral("Programmed events"),
                                                                    *flgDynamVn_Events)};
    });
}

void frmDynVornish::joinSharedPreferences()
{
    modVnPublic::UnitDisplay display;
    display.rescaleConcentrations = [this](const modVnPublic::RescaleText &rescale) {
        for (QLineEdit *box : {txtA, txtB, txtAB})
            box->setText(rescale(box->text()));
        flgDynamVn_Events->CommitEdit(); // a change still being typed is in the old unit too
        for (int row = 1; row <= 4; ++row)
            SetEventCell(row, 2, rescale(EventCell(row, 2)));
    };
    display.showConcentrationUnit = [this](const modVnPublic::ConcentrationUnitTexts &texts) {
        ShowConcentrationUnit(texts.unit);
        refreshAssistant();
    };
    display.showTimeUnit = [this](int listIndex, const QString &label) {
        cmbTimeUnit->setCurrentIndex(listIndex);
        lblTimeUnit->setText(label);
        lblTimeUnit2->setText(label);
    };
    modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Dynamic, display);
    // Apply in the Options window plots the stored run again.
    modPlot_Graph::SetReplotHandler(modPlot_Graph::DynamicTool, [this] {
        Session::current().setUseExistingData(true);
        ShowStep(2);
        cmdGo_Click();
    });
    ToolLists::SetReportSource(modPlot_Graph::DynamicTool, [this](const QString &unit) {
        return ToolLists::DynamicToolList({txtA->text(), txtB->text(), txtAB->text(), txtK_ass_rate->text(),
                                           txtK_diss_rate->text(), txtKd->text()},
                                          unit);
    });
}

void frmDynVornish::connectHandlers()
{
    connect(cmdGo, &QPushButton::clicked, this, &frmDynVornish::cmdGo_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmDynVornish::cmdBack_Click);
    connect(cmdClearForm, &QPushButton::clicked, this, &frmDynVornish::cmdClearForm_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmDynVornish::cmdClose_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &frmDynVornish::cmdOptions_Click);
    connect(cmdPlotGraphFromDB, &QPushButton::clicked, this, &frmDynVornish::cmdPlotGraphFromDB_Click);
    connect(cmdDynamVnTlAssistant, &QPushButton::clicked, this, &frmDynVornish::cmdDynamVnTlAssistant_Click);
    connect(cmbTimeUnit, &QComboBox::currentIndexChanged, this, &frmDynVornish::cmbTimeUnit_Click);
    connect(chkChallenge, &QCheckBox::toggled, this, &frmDynVornish::chkChallenge_Click);
    connect(cmdKinetics, &QPushButton::clicked, this, &frmDynVornish::cmdKinetics_Click);
    connect(txtEndTime, &QLineEdit::textChanged, this, &frmDynVornish::txtEndTime_Change);
    // The key-up checks answer typing only: a Tab or an arrow key released
    // in a time box leaves the boxes as they are.
    connect(txtEndTime, &QLineEdit::textEdited, this, [this] { m_endTimeTyped = true; });
    connect(txtRecordingInterval, &QLineEdit::textEdited, this, [this] { m_recordingIntervalTyped = true; });
    // A tab picked with the keyboard shows its step's buttons as well.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        if (cmdGo->isEnabled())
            ShowStep(index);
    });
    connect(this, &QMdiSubWindow::aboutToActivate, this, &frmDynVornish::Form_Activate);
    for (QLineEdit *box : {txtA, txtB, txtAB, txtK_ass_rate, txtK_diss_rate, txtKd}) {
        connect(box, &QLineEdit::textChanged, this, &frmDynVornish::refreshAssistant);
        box->installEventFilter(this);
    }
    for (QObject *watched : std::initializer_list<QObject *>{txtEndTime, txtRecordingInterval, SSTab1->tabBar()})
        watched->installEventFilter(this);
}

void frmDynVornish::Form_Load()
{
    setTwipsGeometry(0, 0, 5070, 5895);
    ShowStep(0);
    ShowConcentrationUnit(Session::current().concentrationUnit());
    SelectTimeUnit(Session::current().timeUnit());
    cmbTimeUnit_Click();
    cmbSimulationPrecision->setCurrentIndex(1);
    txtEdit->clear();
    txtEndTime_Change();
    placeEventsTextOverlays();
}

void frmDynVornish::ShowStep(int tabIndex)
{
    SSTab1->setCurrentIndex(tabIndex);
    cmdGo->setText(tabIndex == 2 ? QStringLiteral("Finish") : QStringLiteral("Next"));
    cmdBack->setEnabled(tabIndex != 0);
}

int frmDynVornish::CurrentStep() const
{
    return SSTab1->currentIndex() + 1;
}

QString frmDynVornish::EventCell(int row, int column) const
{
    return flgDynamVn_Events->TextMatrix(row, column);
}

void frmDynVornish::SetEventCell(int row, int column, const QString &text)
{
    flgDynamVn_Events->setTextMatrix(row, column, text);
}

void frmDynVornish::ShowConcentrationUnit(const QString &unit)
{
    for (QLabel *label : lblConcentrationUnit)
        label->setText(QStringLiteral("(") + unit + QStringLiteral(")"));
}

void frmDynVornish::SelectTimeUnit(const QString &abbreviation)
{
    const int index = timeUnitAbbreviations.indexOf(abbreviation);
    if (index >= 0)
        cmbTimeUnit->setCurrentIndex(index);
}

void frmDynVornish::cmdGo_Click()
{
    if (!cmdGo->isEnabled())
        return;
    const int step = CurrentStep();
    if (step == 3) {
        DynamicFinish(*this).run();
        return;
    }
    ShowStep(step);
    afterStepChange();
}

void frmDynVornish::cmdBack_Click()
{
    const int step = CurrentStep();
    if (step == 1)
        cmdBack->setEnabled(false);
    else
        ShowStep(step - 2);
    afterStepChange();
}

void frmDynVornish::SSTab1_MouseUp()
{
    ShowStep(SSTab1->currentIndex());
    afterStepChange();
}

void frmDynVornish::afterStepChange()
{
    frmDynamVnTlAssistant *assistant = dynamicWindows().dynamicAssistant;
    if (!assistant || !assistant->isVisible())
        return;
    modVornish::UpdateAssistantGuidance();
    if (assistant->demoStage == 1)
        assistant->DemoStep();
}

void frmDynVornish::refreshAssistant()
{
    frmDynamVnTlAssistant *assistant = dynamicWindows().dynamicAssistant;
    if (assistant && assistant->isVisible())
        modVornish::UpdateAssistantGuidance();
}

void frmDynVornish::FillRateConstants(double kAss, double kd)
{
    ShowStep(0);
    txtK_ass_rate->setText(NumberText::generalText(kAss));
    txtK_diss_rate->clear();
    txtKd->setText(NumberText::generalText(kd));
}

void frmDynVornish::FillPlannedPoint(double ligand, double sites, double kAss, double kd, double seconds)
{
    FillRateConstants(kAss, kd);
    const double factor = Session::current().concentrationFactor();
    const auto threeDigits = [](double v) { return NumberText::generalText(QString::number(v, 'g', 3).toDouble()); };
    txtA->setText(threeDigits(ligand / factor));
    txtB->setText(threeDigits(sites / factor));
    txtAB->setText(QStringLiteral("0"));
    cmbTimeUnit->setCurrentIndex(1); // seconds
    txtEndTime->setText(threeDigits(seconds));
    txtRecordingInterval->setText(threeDigits(seconds / 50));
}

void frmDynVornish::cmdClearForm_Click()
{
    for (QLineEdit *box : {txtA, txtB, txtAB, txtK_ass_rate, txtK_diss_rate, txtKd})
        box->clear();
    // An open cell editor would otherwise write its old text back later.
    flgDynamVn_Events->CommitEdit();
    txtEndTime->setText(QStringLiteral("100"));
    cmbTimeUnit->setCurrentIndex(2);
    txtRecordingInterval->setText(QStringLiteral("2"));
    cmbSimulationPrecision->setCurrentIndex(1);
    for (int row = 0; row < 4; ++row) {
        for (int column = 1; column <= 2; ++column)
            SetEventCell(row + 1, column, QString());
        cmbSelectChangingVariable[row]->setCurrentIndex(0);
    }
    chkChallenge->setChecked(false);
    if (frmDynamVnTlAssistant *assistant = dynamicWindows().dynamicAssistant)
        assistant->demoStage = 0;
}

void frmDynVornish::cmdClose_Click()
{
    hide();
}

void frmDynVornish::cmdOptions_Click()
{
    WizardLinks::showOptions(4);
}

void frmDynVornish::cmdPlotGraphFromDB_Click()
{
    const QString question =
        QStringLiteral("If you use existing simulation data, a new simulation will NOT be performed and the settings "
                       "and values in the Dynamic Equilibrium Wizard will be ignored.")
        + Messages::lineBreak()
        + QStringLiteral("Graphs that are plotted using existing data, however, can be customized in de Options "
                         "window. ")
        + Messages::paragraph() + QStringLiteral("Do you want to analyze the last simulation (stored on hard disk)?")
        + Messages::paragraph()
        + QStringLiteral("Press Yes to use existing simulation data, press No to return to the Dynamic Equilibrium "
                         "Wizard");
    if (Messages::show(question, Messages::Buttons::YesNo, Messages::Icon::None, QStringLiteral("Warning"))
        != Messages::Answer::Yes)
        return;
    Session::current().setUseExistingData(true);
    ShowStep(2);
    cmdGo_Click();
}

void frmDynVornish::cmdDynamVnTlAssistant_Click()
{
    frmDynamVnTlAssistant *assistant = dynamicWindows().dynamicAssistant;
    if (!assistant)
        return;
    assistant->hide();
    assistant->showInFront();
    modVornish::UpdateAssistantGuidance();
}

void frmDynVornish::cmbTimeUnit_Click()
{
    static const QStringList unitLabels = {QStringLiteral("milliseconds (ms)"), QStringLiteral("seconds (s)"),
                                           QStringLiteral("minutes"), QStringLiteral("hours")};
    static const QStringList unitNames = {QStringLiteral("milliseconds"), QStringLiteral("seconds"),
                                          QStringLiteral("minutes"), QStringLiteral("hours")};
    const int index = cmbTimeUnit->currentIndex();
    if (index < 0 || index > 3)
        return;
    lblTimeUnit->setText(unitLabels[index]);
    lblTimeUnit2->setText(unitNames[index]);
}

void frmDynVornish::cmdKinetics_Click()
{
    if (frmKinetics *kinetics = dynamicWindows().kinetics)
        kinetics->ShowSummary();
}

void frmDynVornish::chkChallenge_Click()
{
    // The competitor always replaces the first event's change of A.
    if (chkChallenge->isChecked())
        cmbSelectChangingVariable[0]->setCurrentIndex(0);
    cmbSelectChangingVariable[0]->setEnabled(!chkChallenge->isChecked());
}

void frmDynVornish::txtEndTime_Change()
{
    lblEndTime->setText(txtEndTime->text());
}

void frmDynVornish::txtEndTime_KeyUp()
{
    WizardChecks::suggestRecordingInterval(*this);
}

void frmDynVornish::txtEndTime_LostFocus()
{
    WizardChecks::checkEndTime(*this);
}

void frmDynVornish::txtRecordingInterval_KeyUp()
{
    WizardChecks::recordingIntervalTyped(*this);
}

void frmDynVornish::txtRecordingInterval_LostFocus()
{
    WizardChecks::checkRecordingInterval(*this);
}

void frmDynVornish::Form_Activate()
{
    WizardLinks::showLinearTimeAxisInOptions();
}

bool frmDynVornish::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == SSTab1->tabBar()) {
        if (type == QEvent::MouseButtonRelease)
            SSTab1_MouseUp();
        return false;
    }
    if (type == QEvent::FocusIn && watched != txtEndTime && watched != txtRecordingInterval) {
        refreshAssistant();
        return false;
    }
    const bool leftByUser = type == QEvent::FocusOut
                            && static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason
                            && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason;
    if (watched == txtEndTime) {
        if (type == QEvent::KeyRelease && std::exchange(m_endTimeTyped, false))
            txtEndTime_KeyUp();
        else if (leftByUser)
            txtEndTime_LostFocus();
    } else if (watched == txtRecordingInterval) {
        if (type == QEvent::KeyRelease && std::exchange(m_recordingIntervalTyped, false))
            txtRecordingInterval_KeyUp();
        else if (leftByUser)
            txtRecordingInterval_LostFocus();
    }
    return false;
}

void frmDynVornish::resizeEvent(QResizeEvent *event)
{
    ChildWindow::resizeEvent(event);
    placeEventsTextOverlays();
}
