#include "graphing/frmOptions.h"

#include "graphing/GraphPicture.h"
#include "graphing/GraphState.h"
#include "graphing/GraphWindows.h"
#include "graphing/OptionsTexts.h"
#include "graphing/PlotEngine.h"
#include "graphing/PrinterPage.h"
#include "graphing/UnitPreferences.h"
#include "graphing/frmGraph.h"
#include "platform/MainFrame.h"
#include "platform/Messages.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "session/Session.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QString kApp = QStringLiteral("Vornish");
const QString kSettings = QStringLiteral("Settings");

// A stored switch: 0 stays 0, any other number counts as checked.
int storedSwitch(const char *key, short defaultValue)
{
    return SettingsStore::readShort(kApp, kSettings, QLatin1String(key), defaultValue) != 0 ? 1 : 0;
}

void storeSwitch(const char *key, int value)
{
    SettingsStore::write(kApp, kSettings, QLatin1String(key), QString::number(value));
}

} // namespace

frmOptions::frmOptions()
    : ChildWindow(QStringLiteral("frmOptions"), QStringLiteral("Options"))
{
    BuildControls();
    ConnectHandlers();
    connect(&Session::current(), &Session::graphPreferencesChanged, this, &frmOptions::ShowAxisRanges);
    Form_Load();
}

int frmOptions::checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        break;
    }
    return 2;
}

void frmOptions::setCheckValue(QCheckBox *box, int value)
{
    if (value == 2) {
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
    box->setTristate(false); // the user toggles between checked and unchecked only
}

void frmOptions::ConnectHandlers()
{
    // The session learns of every change first, so that a handler that
    // re-plots draws with the new preferences.
    for (QCheckBox *box : {chkClearPrevGraph, chkToPlotOrNot, chkShowTable, chkDoNotRemind, chkShowLegend,
                           chkBlackAndWhite, chkDynLogTime})
        connect(box, &QCheckBox::stateChanged, this, &frmOptions::PublishPreferences);
    for (QRadioButton *option : findChildren<QRadioButton *>())
        connect(option, &QRadioButton::toggled, this, &frmOptions::PublishPreferences);
    for (QLineEdit *field : {txtX_min, txtX_max, txtX_Tick, txtY_min, txtY_max, txtY_Tick, lblX, lblY})
        connect(field, &QLineEdit::textChanged, this, &frmOptions::PublishPreferences);

    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(cmdDefaults, &QPushButton::clicked, this, &frmOptions::cmdDefaults_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(chkClearPrevGraph, &QCheckBox::stateChanged, this, &frmOptions::chkClearPrevGraph_Click);
    connect(chkToPlotOrNot, &QCheckBox::stateChanged, this, &frmOptions::chkToPlotOrNot_Click);
    connect(chkShowTable, &QCheckBox::stateChanged, this, &frmOptions::chkShowTable_Click);
    connect(chkDoNotRemind, &QCheckBox::stateChanged, this, &frmOptions::chkDoNotRemind_Click);
    connect(chkShowLegend, &QCheckBox::stateChanged, this, &frmOptions::chkShowLegend_Click);
    connect(chkBlackAndWhite, &QCheckBox::stateChanged, this, &frmOptions::chkBlackAndWhite_Click);
    connect(chkDynLogTime, &QCheckBox::stateChanged, this, [this] { SetChanged(); });
    connect(optCompPercent, &QRadioButton::toggled, this,
            [](bool percent) { storeSwitch("CompetitionPercent", percent ? 1 : 0); });

    const auto onSelect = [this](QRadioButton *option, auto handler) {
        connect(option, &QRadioButton::toggled, this, [handler](bool selected) {
            if (selected)
                handler();
        });
    };
    onSelect(optLinear, [this] { optLinear_Click(); });
    onSelect(optLog, [this] { optLog_Click(); });
    for (QRadioButton *option : {optMolar, optMillimolar, optMicromolar, optNanomolar}) {
        const QString unit = option == optMolar        ? QStringLiteral("M")
                             : option == optMillimolar ? QStringLiteral("mM")
                             : option == optMicromolar ? QStringLiteral("\u00B5M")
                                                       : QStringLiteral("nM");
        onSelect(option, [unit] { modVnPublic::SetConcentrationUnit(unit); });
    }
    for (QRadioButton *option : {optMillisec, optSec, optMin, optHour}) {
        const QString unit = option == optMillisec ? QStringLiteral("ms")
                             : option == optSec    ? QStringLiteral("s")
                             : option == optMin    ? QStringLiteral("min.")
                                                   : QStringLiteral("hr.");
        onSelect(option, [unit] { modVnPublic::SetTimeUnit(unit); });
    }
    // Every other choice only marks the settings as changed, the three
    // default choices included, so that going back to a default also counts.
    for (QRadioButton *option : {optXA_tot, optXB_tot, optYA, optYB, optYAB, optDyn_YA, optDyn_YB, optDyn_YAB,
                                 optDyn_YdAdt, optDyn_YdBdt, optDyn_YdABdt, optDyn_YTogether, optClosedCircle,
                                 optClosedSquare, optOpenCircle, optOpenSquare, optCompComplex, optCompPercent})
        onSelect(option, [this] { SetChanged(); });
    for (QLineEdit *field : {txtX_min, txtX_max, txtX_Tick, txtY_min, txtY_max, txtY_Tick, lblX, lblY})
        connect(field, &QLineEdit::textChanged, this, [this] { SetChanged(); });
}

void frmOptions::Form_Load()
{
    double top = 0;
    double left = 0;
    if (const QWidget *main = MainFrame::window()) {
        top = (Twips::fromPixelsY(main->height()) - 5100 - 2000) / 2;
        left = (Twips::fromPixelsX(main->width()) - 6495) / 2;
    }
    setTwipsGeometry(left, top, 6495, 5100);
    LoadPreferences();
}

void frmOptions::LoadPreferences()
{
    Session::current().setSettingsChanged(false);
    // A switch that differs from its default runs its handler here.
    setCheckValue(chkToPlotOrNot, storedSwitch("ToPlotOrNot", 1));
    setCheckValue(chkShowTable, storedSwitch("ShowTable", 0));
    setCheckValue(chkDoNotRemind, storedSwitch("DoNotRemind", 0));
    setCheckValue(chkShowLegend, storedSwitch("ShowLegend", 1));
    setCheckValue(chkBlackAndWhite, storedSwitch("BlackAndWhite", 0));
    {
        // A stored choice is no change of the settings.
        const QSignalBlocker quietPercent(optCompPercent), quietComplex(optCompComplex);
        (storedSwitch("CompetitionPercent", 0) ? optCompPercent : optCompComplex)->setChecked(true);
    }
    const std::pair<QString, QRadioButton *> times[] = {{QStringLiteral("ms"), optMillisec},
                                                        {QStringLiteral("s"), optSec},
                                                        {QStringLiteral("min."), optMin},
                                                        {QStringLiteral("hr."), optHour}};
    for (const auto &[unit, option] : times)
        if (Session::current().timeUnit() == unit)
            option->setChecked(true);
    const std::pair<QString, QRadioButton *> concentrations[] = {{QStringLiteral("M"), optMolar},
                                                                 {QStringLiteral("mM"), optMillimolar},
                                                                 {QStringLiteral("\u00B5M"), optMicromolar},
                                                                 {QStringLiteral("nM"), optNanomolar}};
    for (const auto &[unit, option] : concentrations)
        if (Session::current().concentrationUnit() == unit)
            option->setChecked(true);
    PublishPreferences();
}

modPlot_Graph::GraphPreferences frmOptions::preferences() const
{
    using namespace modPlot_Graph;
    GraphPreferences p;
    p.toPlotOrNot = checkValue(chkToPlotOrNot);
    p.clearPrevGraph = checkValue(chkClearPrevGraph);
    p.showTable = checkValue(chkShowTable);
    p.doNotRemind = checkValue(chkDoNotRemind);
    p.xMin = txtX_min->text();
    p.xMax = txtX_max->text();
    p.xTick = txtX_Tick->text();
    p.yMin = txtY_min->text();
    p.yMax = txtY_max->text();
    p.yTick = txtY_Tick->text();
    p.xTitle = lblX->text();
    p.yTitle = lblY->text();
    p.logScale = optLog->isChecked();
    p.equilibriumX = optXB_tot->isChecked() ? EquilibriumX::TotalB : EquilibriumX::TotalA;
    p.equilibriumY = optYA->isChecked() ? EquilibriumY::A : optYB->isChecked() ? EquilibriumY::B : EquilibriumY::AB;
    p.dynamicY = optDyn_YA->isChecked()          ? DynamicY::A
                 : optDyn_YB->isChecked()        ? DynamicY::B
                 : optDyn_YdAdt->isChecked()     ? DynamicY::dAdt
                 : optDyn_YdBdt->isChecked()     ? DynamicY::dBdt
                 : optDyn_YdABdt->isChecked()    ? DynamicY::dABdt
                 : optDyn_YTogether->isChecked() ? DynamicY::Together
                                                 : DynamicY::AB;
    p.dynamicLogTime = chkDynLogTime->isChecked();
    p.showLegend = chkShowLegend->isChecked();
    p.blackAndWhite = chkBlackAndWhite->isChecked();
    p.competitionPercent = optCompPercent->isChecked();
    p.scatchardSymbol = optClosedCircle->isChecked()   ? modPlot_Graph::PlotClosedCircle
                        : optOpenCircle->isChecked()   ? modPlot_Graph::PlotOpenCircle
                        : optClosedSquare->isChecked() ? modPlot_Graph::PlotClosedSquare
                                                       : modPlot_Graph::PlotOpenSquare;
    return p;
}

void frmOptions::PublishPreferences()
{
    Session::current().setGraphPreferences(preferences());
}

void frmOptions::ShowAxisRanges()
{
    // A copy: each text written publishes the preferences again.
    const modPlot_Graph::GraphPreferences shown = Session::current().graphPreferences();
    const std::pair<QLineEdit *, QString> ranges[] = {{txtX_min, shown.xMin},
                                                      {txtX_max, shown.xMax},
                                                      {txtY_min, shown.yMin},
                                                      {txtY_max, shown.yMax}};
    for (const auto &[field, text] : ranges)
        if (field->text() != text)
            field->setText(text);
}

void frmOptions::ShowOnTab(int tab)
{
    SSTab1->setCurrentIndex(tab);
    showInFront();
}

void frmOptions::ShowXScaleTitles(bool logScale)
{
    lblX_ScaleTitles->setText(logScale ? OptionsTexts::logScaleHeading() : OptionsTexts::linearScaleHeading());
    const QString limitTip = logScale ? OptionsTexts::logLimitTip() : QString();
    txtX_min->setToolTip(limitTip);
    txtX_max->setToolTip(limitTip);
    txtX_Tick->setToolTip(logScale ? OptionsTexts::logTickTip() : QString());
}

void frmOptions::SetMenuChecked(const char *name, bool checked)
{
    if (QAction *item = MainFrame::action(QLatin1String(name)))
        item->setChecked(checked);
}

void frmOptions::RestoreDefaults()
{
    setCheckValue(chkToPlotOrNot, 1);
    SetMenuChecked("mnuGraphDisable", false);
    setCheckValue(chkShowTable, 0);
    setCheckValue(chkClearPrevGraph, 1);
    SetMenuChecked("mnuGraphSuperimpose", false);
    chkClearPrevGraph->setEnabled(true);
    Session::current().setPrinterEcho(false);
    setCheckValue(chkDoNotRemind, 0);
    setCheckValue(chkShowLegend, 1);
    setCheckValue(chkBlackAndWhite, 0);
    chkDynLogTime->setChecked(false);
    ShowXScaleTitles(false);
    for (QLineEdit *field : {txtX_min, txtX_max, txtY_min, txtY_max, txtX_Tick, txtY_Tick, lblX, lblY})
        field->clear();
    for (QRadioButton *option : {optOpenSquare, optXA_tot, optYAB, optLinear, optDyn_YAB, optCompComplex})
        option->setChecked(true);
    setCheckValue(chkShowTable, 0);

    // The units return to nM and minutes, the shown values converted once.
    if (Session::current().concentrationUnit() != QLatin1String("nM")) {
        {
            const QSignalBlocker quiet(optNanomolar);
            optNanomolar->setChecked(true);
        }
        modVnPublic::SetConcentrationUnit(QStringLiteral("nM"));
        modVnPublic::ShowConcentrationUnit(QStringLiteral("nM"), QStringLiteral("in nM"));
    }
    {
        const QSignalBlocker quiet(optMin);
        optMin->setChecked(true);
    }
    modVnPublic::SetTimeUnit(QStringLiteral("min."));
    Session::current().setSettingsChanged(false);
    PublishPreferences();
}

void frmOptions::SetChanged()
{
    Session::current().setSettingsChanged(true);
}

void frmOptions::cmdDefaults_Click()
{
    RestoreDefaults();
}

void frmOptions::cmdApply_Click()
{
    Session &session = Session::current();
    const bool kept = session.settingsChanged();
    session.setSettingsChanged(false); // the re-plot asks nothing
    const modPlot_Graph::ToolCode source = session.graphSource();
    if (source == modPlot_Graph::NoTool) {
        Messages::show(QStringLiteral("No graph available"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
    } else {
        hide();
        modPlot_Graph::ReplotGraph(source);
    }
    session.setSettingsChanged(kept);
}

void frmOptions::cmdOK_Click()
{
    hide();
    if (Session::current().settingsChanged())
        Messages::show(QStringLiteral("(Re)Calculate graph in order to have changes take effect"),
                       Messages::Buttons::Ok, Messages::Icon::Information, Messages::blankTitle());
}

void frmOptions::ClearGraphForSuperimposing()
{
    if (frmGraph *graph = graphWindows().graph) {
        if (Session::current().graphPicturePasted())
            graph->PicGraph->clearPicture();
        else
            graph->PicGraph->clear();
    }
    PrinterPage &page = printerPage();
    page.discard();
    page.setFont(QStringLiteral("MS Sans Serif"), 8, false);
    page.setLineWidth(2);
}

void frmOptions::chkClearPrevGraph_Click()
{
    switch (checkValue(chkClearPrevGraph)) {
    case 0:
        SetMenuChecked("mnuGraphSuperimpose", true);
        Session::current().setPrinterEcho(true);
        if (Session::current().graphSource() != modPlot_Graph::NoTool) {
            const Messages::Answer answer = Messages::show(OptionsTexts::superimposeQuestion(),
                                                           Messages::Buttons::YesNo, Messages::Icon::None,
                                                           QStringLiteral("Superimpose multiple graphs"));
            if (answer == Messages::Answer::Yes) {
                cmdApply_Click();
            } else {
                ClearGraphForSuperimposing();
                SSTab1->setCurrentIndex(TabAxis);
            }
        }
        break;
    case 1:
        if (Session::current().printerEcho())
            printerPage().discard();
        Session::current().setPrinterEcho(false);
        SetMenuChecked("mnuGraphSuperimpose", false);
        break;
    default:
        break;
    }
    SetChanged();
}

void frmOptions::chkToPlotOrNot_Click()
{
    const int value = checkValue(chkToPlotOrNot);
    storeSwitch("ToPlotOrNot", value);
    if (value == 0) {
        if (frmGraph *graph = graphWindows().graph)
            graph->hide();
        SetMenuChecked("mnuGraphDisable", true);
        setCheckValue(chkClearPrevGraph, 2);
        chkClearPrevGraph->setEnabled(false);
    } else {
        SetMenuChecked("mnuGraphDisable", false);
        setCheckValue(chkClearPrevGraph, 1);
        chkClearPrevGraph->setEnabled(true);
    }
    SetChanged();
}

void frmOptions::chkShowTable_Click()
{
    storeSwitch("ShowTable", checkValue(chkShowTable));
}

void frmOptions::chkDoNotRemind_Click()
{
    storeSwitch("DoNotRemind", checkValue(chkDoNotRemind));
}

void frmOptions::chkShowLegend_Click()
{
    storeSwitch("ShowLegend", checkValue(chkShowLegend));
}

void frmOptions::chkBlackAndWhite_Click()
{
    storeSwitch("BlackAndWhite", checkValue(chkBlackAndWhite));
}

void frmOptions::optLinear_Click()
{
    ShowXScaleTitles(false);
    SetChanged();
}

void frmOptions::optLog_Click()
{
    ShowXScaleTitles(true);
    SetChanged();
}

void frmOptions::mnuGraphDisable_Click(bool nowChecked)
{
    setCheckValue(chkToPlotOrNot, nowChecked ? 0 : 1);
}

void frmOptions::mnuGraphSuperimpose_Click(bool nowChecked)
{
    setCheckValue(chkClearPrevGraph, nowChecked ? 0 : 1);
}
