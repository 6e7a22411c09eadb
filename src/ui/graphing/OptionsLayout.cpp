// The controls of the Options window: six tabs and three buttons.
#include "graphing/frmOptions.h"

#include "graphing/OptionsTexts.h"
#include "platform/TabRows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QRadioButton *option(QLayout *layout, const char *name, const QString &caption)
{
    auto *button = named(new QRadioButton(caption), name);
    layout->addWidget(button);
    return button;
}

QGroupBox *frame(const char *name, const QString &caption)
{
    auto *box = named(new QGroupBox(caption), name);
    new QVBoxLayout(box);
    return box;
}

} // namespace

void frmOptions::BuildControls()
{
    auto *content = new QWidget();
    // The window is small (6495 x 5100 twips): its texts are set in a narrow 8 point face.
    content->setFont(QFont(QStringLiteral("Arial"), 8));
    auto *outer = new QVBoxLayout(content);
    SSTab1 = named(new QTabWidget(), "SSTab1");

    // General
    auto *general = new QWidget();
    auto *generalLayout = new QVBoxLayout(general);
    chkClearPrevGraph = named(new QCheckBox(OptionsTexts::clearPrevGraph()), "chkClearPrevGraph");
    chkClearPrevGraph->setToolTip(
        QStringLiteral("Uncheck this option to produce multiple (superimposed) graphs in a chart"));
    chkToPlotOrNot = named(new QCheckBox(QStringLiteral("Show data in graph")), "chkToPlotOrNot");
    chkToPlotOrNot->setToolTip(QStringLiteral("Uncheck this option if you don't want a graph"));
    chkShowTable = named(new QCheckBox(QStringLiteral("Show data in table (Dynamic Equilibrium Tool only).")),
                         "chkShowTable");
    chkDoNotRemind = named(new QCheckBox(
                               QStringLiteral("Stop reminding me of changed settings whenever I plot a graph.")),
                           "chkDoNotRemind");
    chkShowLegend = named(new QCheckBox(QStringLiteral("Show a legend when a graph has several curves.")),
                          "chkShowLegend");
    chkBlackAndWhite = named(new QCheckBox(QStringLiteral("Black and white: curves told apart by line style alone.")),
                             "chkBlackAndWhite");
    for (QCheckBox *box :
         {chkClearPrevGraph, chkToPlotOrNot, chkShowTable, chkDoNotRemind, chkShowLegend, chkBlackAndWhite})
        generalLayout->addWidget(box);
    generalLayout->addStretch();
    SSTab1->addTab(general, QStringLiteral("General"));

    // Preferences
    auto *units = new QWidget();
    auto *unitsLayout = new QHBoxLayout(units);
    fraConcentration = frame("fraConcentration", QStringLiteral("Unit of concentration"));
    optMolar = option(fraConcentration->layout(), "optMolar", QStringLiteral("Molar (M)"));
    optMillimolar = option(fraConcentration->layout(), "optMillimolar", QStringLiteral("milli Molar (mM)"));
    optMicromolar = option(fraConcentration->layout(), "optMicromolar", QStringLiteral("micro Molar (\u00B5M)"));
    optNanomolar = option(fraConcentration->layout(), "optNanomolar", QStringLiteral("nano Molar (nM)"));
    fraTime = frame("fraTime", QStringLiteral("Unit of time"));
    optHour = option(fraTime->layout(), "optHour", QStringLiteral("hour (hr.)"));
    optMin = option(fraTime->layout(), "optMin", QStringLiteral("minute (min.)"));
    optSec = option(fraTime->layout(), "optSec", QStringLiteral("second (s)"));
    optMillisec = option(fraTime->layout(), "optMillisec", QStringLiteral("milli second (ms)"));
    unitsLayout->addWidget(fraConcentration, 0, Qt::AlignTop);
    unitsLayout->addWidget(fraTime, 0, Qt::AlignTop);
    SSTab1->addTab(units, QStringLiteral("Preferences"));

    // Graph Axis properties
    auto *axes = new QWidget();
    auto *axesLayout = new QVBoxLayout(axes);
    const auto axisFrame = [&](const char *name, const QString &caption, QLineEdit *&title, QLabel *&heading,
                               const char *titleName, const char *headingName, QLineEdit *&low, QLineEdit *&high,
                               QLineEdit *&tick, const char *lowName, const char *highName, const char *tickName) {
        auto *box = named(new QGroupBox(caption), name);
        auto *grid = new QGridLayout(box);
        grid->addWidget(new QLabel(QStringLiteral("Title")), 0, 0);
        title = named(new QLineEdit(), titleName);
        grid->addWidget(title, 0, 1, 1, 3);
        heading = named(new QLabel(OptionsTexts::linearScaleHeading()), headingName);
        // Its blanks line the words up over the three fields at this size.
        heading->setFont(QFont(QStringLiteral("Arial"), 7));
        grid->addWidget(heading, 1, 1, 1, 3);
        grid->addWidget(new QLabel(QStringLiteral("Scale")), 2, 0);
        low = named(new QLineEdit(), lowName);
        high = named(new QLineEdit(), highName);
        tick = named(new QLineEdit(), tickName);
        grid->addWidget(low, 2, 1);
        grid->addWidget(high, 2, 2);
        grid->addWidget(tick, 2, 3);
        axesLayout->addWidget(box);
    };
    axisFrame("fraX_axis", QStringLiteral("X-axis"), lblX, lblX_ScaleTitles, "lblX", "lblX_ScaleTitles", txtX_min,
              txtX_max, txtX_Tick, "txtX_min", "txtX_max", "txtX_Tick");
    axisFrame("fraY_axis", QStringLiteral("Y-axis"), lblY, lblY_ScaleTitles, "lblY", "lblY_ScaleTitles", txtY_min,
              txtY_max, txtY_Tick, "txtY_min", "txtY_max", "txtY_Tick");
    auto *tipRow = new QHBoxLayout();
    lblTip1 = named(new QLabel(QStringLiteral("Tip")), "lblTip1");
    lblTip2 = named(new QLabel(
                        QStringLiteral("The program calculates values for these fields  if you leave them open")),
                    "lblTip2");
    lblTip2->setWordWrap(true);
    tipRow->addWidget(lblTip1);
    tipRow->addWidget(lblTip2, 1);
    axesLayout->addLayout(tipRow);
    axesLayout->addStretch();
    SSTab1->addTab(axes, QStringLiteral("Graph Axis properties"));

    // Equilibrium Tool Graph
    auto *equilibrium = new QWidget();
    auto *equilibriumLayout = new QHBoxLayout(equilibrium);
    QGroupBox *scale = frame("fraX_scale", QStringLiteral("X-axis scale"));
    optLinear = option(scale->layout(), "optLinear", QStringLiteral("Linear"));
    optLog = option(scale->layout(), "optLog", QStringLiteral("Log"));
    QGroupBox *plotY = frame("fraPlotY", QStringLiteral("Plot on Y-axis:"));
    optYA = option(plotY->layout(), "optYA", QStringLiteral("A"));
    optYB = option(plotY->layout(), "optYB", QStringLiteral("B"));
    optYAB = option(plotY->layout(), "optYAB", QStringLiteral("AB"));
    QGroupBox *plotX = frame("fraPlotX", QStringLiteral("Plot on X-axis: "));
    optXA_tot = option(plotX->layout(), "optXA_tot", QStringLiteral("Total A"));
    optXB_tot = option(plotX->layout(), "optXB_tot", QStringLiteral("Total B"));
    // The Competition Tool's curve shares the tab: its X axis is always a log scale.
    QGroupBox *competition = frame("fraCompetitionY", QStringLiteral("Competition curve:"));
    optCompComplex = option(competition->layout(), "optCompComplex", QStringLiteral("[A/B]"));
    optCompPercent = option(competition->layout(), "optCompPercent", QStringLiteral("% of no competitor"));
    for (QGroupBox *box : {scale, plotY, plotX, competition})
        equilibriumLayout->addWidget(box, 0, Qt::AlignTop);
    SSTab1->addTab(equilibrium, QStringLiteral("Equilibrium Tool Graph"));

    // Dynamic Equilibrium Graph
    auto *dynamic = new QWidget();
    auto *dynamicLayout = new QGridLayout(dynamic);
    lblDynamVnGraphX = named(new QLabel(QStringLiteral("Plot on X-axis:")), "lblDynamVnGraphX");
    txtDynamVnGraphX = named(new QLineEdit(QStringLiteral("Time")), "txtDynamVnGraphX");
    txtDynamVnGraphX->setReadOnly(true);
    fraDynamVnY = frame("fraDynamVnY", QStringLiteral("Plot on Y-axis:"));
    optDyn_YA = option(fraDynamVnY->layout(), "optDyn_YA", QStringLiteral("[A] concentration"));
    optDyn_YB = option(fraDynamVnY->layout(), "optDyn_YB", QStringLiteral("[B] concentration"));
    optDyn_YAB = option(fraDynamVnY->layout(), "optDyn_YAB", QStringLiteral("[A/B] concentration"));
    optDyn_YdAdt = option(fraDynamVnY->layout(), "optDyn_YdAdt", QStringLiteral("dAdt (rate of change)"));
    optDyn_YdBdt = option(fraDynamVnY->layout(), "optDyn_YdBdt", QStringLiteral("dBdt (rate of change)"));
    optDyn_YdABdt = option(fraDynamVnY->layout(), "optDyn_YdABdt", QStringLiteral("dABdt (rate of change)"));
    optDyn_YTogether = option(fraDynamVnY->layout(), "optDyn_YTogether", QStringLiteral("[A], [B] and [A/B] together"));
    chkDynLogTime = named(new QCheckBox(QStringLiteral("Logarithmic time axis")), "chkDynLogTime");
    dynamicLayout->addWidget(lblDynamVnGraphX, 0, 0);
    dynamicLayout->addWidget(txtDynamVnGraphX, 0, 1);
    // The time scale beside the time axis, so that the tab keeps its height.
    dynamicLayout->addWidget(chkDynLogTime, 0, 2);
    dynamicLayout->addWidget(fraDynamVnY, 1, 0, 1, 3);
    dynamicLayout->setRowStretch(2, 1);
    SSTab1->addTab(dynamic, QStringLiteral("Dynamic Equilibrium Graph"));

    // Scatchard Analysis Graph: each symbol as its glyph beside its name.
    auto *scatchard = new QWidget();
    auto *scatchardLayout = new QVBoxLayout(scatchard);
    auto *symbols = named(new QGroupBox(QStringLiteral("Data points symbols")), "fraSymbols");
    auto *symbolGrid = new QGridLayout(symbols);
    const auto symbol = [&](int row, const char *name, const QString &glyph, const QString &caption) {
        auto *button = named(new QRadioButton(glyph), name);
        symbolGrid->addWidget(button, row, 0);
        symbolGrid->addWidget(new QLabel(caption), row, 1);
        return button;
    };
    optClosedCircle = symbol(0, "optClosedCircle", QStringLiteral("\u25CF"), QStringLiteral("closed circle"));
    optOpenCircle = symbol(1, "optOpenCircle", QStringLiteral("\u25CB"), QStringLiteral("open circle"));
    optClosedSquare = symbol(2, "optClosedSquare", QStringLiteral("\u25A0"), QStringLiteral("closed square"));
    optOpenSquare = symbol(3, "optOpenSquare", QStringLiteral("\u25A1"), QStringLiteral("open square"));
    scatchardLayout->addWidget(symbols, 0, Qt::AlignLeft);
    scatchardLayout->addStretch();
    SSTab1->addTab(scatchard, QStringLiteral("Scatchard Analysis Graph"));

    // Six captions do not fit one row of this narrow window: they take two
    // rows, and the window grows wider for them. A third row would push the
    // buttons below the work area of the main window at its default size.
    auto *tabbed = new QVBoxLayout();
    tabbed->setSpacing(0);
    tabbed->addWidget(named(new TabRows(SSTab1, 2), "SSTab1Rows"));
    tabbed->addWidget(SSTab1);
    outer->addLayout(tabbed);

    auto *buttons = new QHBoxLayout();
    cmdApply = named(new QPushButton(QStringLiteral("Apply to graph")), "cmdApply");
    cmdDefaults = named(new QPushButton(QStringLiteral("Default settings")), "cmdDefaults");
    cmdOK = named(new QPushButton(QStringLiteral("OK")), "cmdOK");
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdDefaults);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    outer->addLayout(buttons);
    setWidget(content);

    // The state the window is designed with, before any handler runs.
    chkToPlotOrNot->setChecked(true);
    chkClearPrevGraph->setChecked(true);
    chkShowLegend->setChecked(true);
    for (QRadioButton *chosen :
         {optNanomolar, optMin, optLinear, optYAB, optXA_tot, optDyn_YAB, optOpenSquare, optCompComplex})
        chosen->setChecked(true);
}
