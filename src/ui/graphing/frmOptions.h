#pragma once

#include "platform/ChildWindow.h"
#include "session/GraphPreferences.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Options": the preferences of every graph and the units of the tools.
// Created once at start-up and never destroyed, it shows and edits the
// session's graph preferences; readers use Session::graphPreferences().
class frmOptions : public ChildWindow
{
    Q_OBJECT

public:
    enum Tab { TabGeneral = 0, TabPreferences = 1, TabAxis = 2, TabEquilibrium = 3, TabDynamic = 4, TabScatchard = 5 };

    frmOptions();

    QTabWidget *SSTab1 = nullptr;
    QCheckBox *chkClearPrevGraph = nullptr, *chkToPlotOrNot = nullptr, *chkShowTable = nullptr,
              *chkDoNotRemind = nullptr, *chkShowLegend = nullptr, *chkBlackAndWhite = nullptr;
    QGroupBox *fraConcentration = nullptr, *fraTime = nullptr;
    QRadioButton *optMolar = nullptr, *optMillimolar = nullptr, *optMicromolar = nullptr, *optNanomolar = nullptr;
    QRadioButton *optHour = nullptr, *optMin = nullptr, *optSec = nullptr, *optMillisec = nullptr;
    QLineEdit *lblX = nullptr, *lblY = nullptr; // manual axis titles
    QLabel *lblX_ScaleTitles = nullptr, *lblY_ScaleTitles = nullptr, *lblTip1 = nullptr, *lblTip2 = nullptr;
    QLineEdit *txtX_min = nullptr, *txtX_max = nullptr, *txtX_Tick = nullptr;
    QLineEdit *txtY_min = nullptr, *txtY_max = nullptr, *txtY_Tick = nullptr;
    QRadioButton *optLinear = nullptr, *optLog = nullptr;
    QRadioButton *optYA = nullptr, *optYB = nullptr, *optYAB = nullptr;
    QRadioButton *optXA_tot = nullptr, *optXB_tot = nullptr;
    QRadioButton *optCompComplex = nullptr, *optCompPercent = nullptr;
    QLabel *lblDynamVnGraphX = nullptr;
    QLineEdit *txtDynamVnGraphX = nullptr;
    QGroupBox *fraDynamVnY = nullptr;
    QRadioButton *optDyn_YA = nullptr, *optDyn_YB = nullptr, *optDyn_YAB = nullptr, *optDyn_YdAdt = nullptr,
                 *optDyn_YdBdt = nullptr, *optDyn_YdABdt = nullptr, *optDyn_YTogether = nullptr;
    QCheckBox *chkDynLogTime = nullptr;
    QRadioButton *optClosedCircle = nullptr, *optOpenCircle = nullptr, *optClosedSquare = nullptr,
                 *optOpenSquare = nullptr;
    QPushButton *cmdApply = nullptr, *cmdDefaults = nullptr, *cmdOK = nullptr;

    modPlot_Graph::GraphPreferences preferences() const;

    // Shows the window, not modal, on the given tab.
    void ShowOnTab(int tab);

    // The X scale row heading and the X fields' tool tips for a linear or
    // decimal-log scale; the tool windows call this when activated.
    void ShowXScaleTitles(bool logScale);

    // The check values of a box: 0 unchecked, 1 checked, 2 greyed.
    static int checkValue(const QCheckBox *box);
    static void setCheckValue(QCheckBox *box, int value);

    void Form_Load();
    void LoadPreferences();
    void RestoreDefaults();
    void cmdApply_Click();
    void cmdDefaults_Click();
    void cmdOK_Click();
    void chkClearPrevGraph_Click();
    void chkToPlotOrNot_Click();
    void chkShowTable_Click();
    void chkDoNotRemind_Click();
    void chkShowLegend_Click();
    void chkBlackAndWhite_Click();
    void optLinear_Click();
    void optLog_Click();

    // The Graph menu's check items: a click on an unchecked item unchecks
    // the box ("Disable graph plotting" unchecks "Show data in graph").
    void mnuGraphDisable_Click(bool nowChecked);
    void mnuGraphSuperimpose_Click(bool nowChecked);

private:
    void BuildControls();
    void ConnectHandlers();
    void SetMenuChecked(const char *name, bool checked);
    void SetChanged();
    void PublishPreferences();
    // The axis ranges the plot engine wrote into the session (a reversed
    // range swapped).
    void ShowAxisRanges();
    void ClearGraphForSuperimposing();
};
