#pragma once

class frmVn_Main;
class frmStartMenu;
class frmVornish;
class frmVnTlAssistant;
class frmScatchard;
class frmScatchTlAssistant;
class frmSaturation;
class frmDynVornish;
class frmDynamVnTlAssistant;
class frm_dbResults_DynamVn;
class frmKinetics;
class frmKineticsFit;
class frmWaiting;
class frmGraph;
class frmOptions;
class frmPrintOptions;
class frmVnAbout;
class frmContribute;
class frmCompetition;
class frmAssayPlanner;

// The windows of the running program. They are created once at start-up, in
// the order of the members below, by the main window, and live until it is
// destroyed. A window that is not built yet is null, so every user checks.
struct AppWindows
{
    frmVn_Main *main = nullptr;
    frmStartMenu *startMenu = nullptr;
    frmVornish *vornish = nullptr;
    frmVnTlAssistant *vornishAssistant = nullptr;
    frmScatchard *scatchard = nullptr;
    frmScatchTlAssistant *scatchardAssistant = nullptr;
    frmSaturation *saturation = nullptr;
    frmDynVornish *dynamic = nullptr;
    frmDynamVnTlAssistant *dynamicAssistant = nullptr;
    frm_dbResults_DynamVn *results = nullptr;
    frmKinetics *kinetics = nullptr;
    frmKineticsFit *kineticsFit = nullptr;
    frmWaiting *waiting = nullptr;
    frmGraph *graph = nullptr;
    frmOptions *options = nullptr;
    frmPrintOptions *print = nullptr;
    frmVnAbout *about = nullptr;
    frmContribute *contribute = nullptr;
    frmCompetition *competition = nullptr;
    frmAssayPlanner *planner = nullptr;
};

AppWindows &appWindows();
