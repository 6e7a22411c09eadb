#include "shell/frmVn_Main.h"

#include "competition/frmCompetition.h"
#include "dynamic/DynamicWindows.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "dynamic/frmKinetics.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "equilibrium/EquilibriumWindows.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "equilibrium/frmVornish.h"
#include "exchange/ReportExport.h"
#include "graphing/GraphState.h"
#include "graphing/GraphWindows.h"
#include "graphing/PrinterPage.h"
#include "graphing/frmGraph.h"
#include "graphing/frmOptions.h"
#include "kineticsfit/frmKineticsFit.h"
#include "planning/frmAssayPlanner.h"
#include "platform/ClipboardCommands.h"
#include "platform/DocumentLauncher.h"
#include "platform/Messages.h"
#include "platform/PagePrinter.h"
#include "platform/PrinterDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "printing/PrintWindows.h"
#include "printing/frmPrintOptions.h"
#include "project/ProjectCommands.h"
#include "project/ProjectDocument.h"
#include "project/SessionPart.h"
#include "scatchard/ScatchardWindows.h"
#include "scatchard/frmSaturation.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"
#include "session/Session.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/ExchangeMenus.h"
#include "shell/HelpKey.h"
#include "shell/ProgramGraphHost.h"
#include "shell/frmContribute.h"
#include "shell/frmStartMenu.h"
#include "shell/frmVnAbout.h"
#include "shell/frmVnSplash.h"
#include "shell/frmWaiting.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>
#include <limits>

namespace {

const QString kApp = QStringLiteral("Vornish");
const QString kRegInfo = QStringLiteral("RegInfo");

} // namespace

frmVn_Main::frmVn_Main(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmVn_Main"));
    setWindowTitle(QStringLiteral("Vornish"));
    appWindows().main = this;

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // Windows beyond the frame's edges, as after tiling many, stay reachable.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    qApp->installEventFilter(new HelpKey([this](const QString &topic) { ShowHelp(topic); }, this));

    m_placement.restore(*this); // the placement of the last session

    m_splash = new frmVnSplash(this);
    Session::current().reset(); // a program that has just started
    connect(&Session::current(), &Session::statusPanelsChanged, this, &frmVn_Main::ShowStatusPanels);
    Project::JoinSession(this); // before the windows: their fields are restored under its units
    CreateChildWindows();
    ProjectCommands::Attach(*this);
    StatusText::clear();
}

frmVn_Main::~frmVn_Main()
{
    // A splash still ticking would show this window after it is gone.
    delete m_splash;
    if (appWindows().main == this) {
        appWindows() = AppWindows();
        equilibriumWindows() = EquilibriumWindows();
        scatchardWindows() = ScatchardWindows();
        dynamicWindows() = DynamicWindows();
        graphWindows() = GraphWindows();
        printWindows() = PrintWindows();
    }
}

frmVnSplash *frmVn_Main::splash() const
{
    return m_splash;
}

void frmVn_Main::AddChild(ChildWindow *window)
{
    mdiArea->addSubWindow(window);
    window->hide();
}

void frmVn_Main::CreateChildWindows()
{
    AppWindows &w = appWindows();
    w.startMenu = new frmStartMenu(this);
    AddChild(w.startMenu);
    w.vornish = new frmVornish();
    AddChild(w.vornish);
    w.vornishAssistant = new frmVnTlAssistant();
    AddChild(w.vornishAssistant);
    w.scatchard = new frmScatchard();
    AddChild(w.scatchard);
    w.scatchardAssistant = new frmScatchTlAssistant();
    AddChild(w.scatchardAssistant);
    w.saturation = new frmSaturation();
    AddChild(w.saturation);
    w.dynamic = new frmDynVornish();
    AddChild(w.dynamic);
    w.dynamicAssistant = new frmDynamVnTlAssistant();
    AddChild(w.dynamicAssistant);
    w.results = new frm_dbResults_DynamVn();
    AddChild(w.results);
    w.kinetics = new frmKinetics();
    AddChild(w.kinetics);
    w.competition = new frmCompetition();
    AddChild(w.competition);
    w.kineticsFit = new frmKineticsFit();
    AddChild(w.kineticsFit);
    connect(w.kineticsFit, &frmKineticsFit::simulateRequested, this, [this](double kAss, double kd) {
        mnuDynamVn_Click();
        if (frmDynVornish *wizard = appWindows().dynamic)
            wizard->FillRateConstants(kAss, kd);
    });
    w.planner = new frmAssayPlanner();
    AddChild(w.planner);
    connect(w.planner, &frmAssayPlanner::simulateRequested, this,
            [this](double ligand, double sites, double kAss, double kd, double seconds) {
                mnuDynamVn_Click();
                if (frmDynVornish *wizard = appWindows().dynamic)
                    wizard->FillPlannedPoint(ligand, sites, kAss, kd, seconds);
            });
    w.waiting = new frmWaiting();
    AddChild(w.waiting);
    w.graph = new frmGraph();
    AddChild(w.graph);
    w.options = new frmOptions();
    AddChild(w.options);
    w.print = new frmPrintOptions();
    AddChild(w.print);
    w.about = new frmVnAbout(this);
    AddChild(w.about);
    w.contribute = new frmContribute(this);
    equilibriumWindows() = {w.vornish, w.vornishAssistant};
    scatchardWindows() = {w.scatchard, w.scatchardAssistant};
    dynamicWindows() = {w.dynamic, w.dynamicAssistant, w.results, w.kinetics};
    graphWindows() = {w.graph, w.options};
    printWindows() = {w.print};
    m_graphHost = std::make_unique<ProgramGraphHost>(*w.graph, *w.options);
    ConnectGraphMenus();
    ExchangeMenus::AddCommands(*this);
}

void frmVn_Main::ConnectGraphMenus()
{
    frmOptions *options = appWindows().options;
    connect(action(QStringLiteral("mnuVnOptions")), &QAction::triggered, options,
            [options] { options->ShowOnTab(frmOptions::TabGeneral); });
    connect(action(QStringLiteral("mnuEditPref")), &QAction::triggered, options,
            [options] { options->ShowOnTab(frmOptions::TabPreferences); });
    connect(action(QStringLiteral("mnuGraphAxis")), &QAction::triggered, options,
            [options] { options->ShowOnTab(frmOptions::TabAxis); });
    connect(action(QStringLiteral("mnuGraphDisable")), &QAction::triggered, options,
            &frmOptions::mnuGraphDisable_Click);
    connect(action(QStringLiteral("mnuGraphSuperimpose")), &QAction::triggered, options,
            &frmOptions::mnuGraphSuperimpose_Click);
}

void frmVn_Main::ShowAfterSplash()
{
    // The frame may be shown before the splash has ended (the tests, the
    // guide's figures): the splash ends here, or three seconds on its ticks
    // would show the frame again and offer the recovered work a second time.
    if (m_splash) {
        m_splash->Timer1->stop();
        m_splash->close();
    }
    show();
    if (appWindows().startMenu)
        appWindows().startMenu->showInFront();
    ProjectDocument::current().offerRecovery();
    if (!m_startProject.isEmpty())
        ProjectDocument::current().openPath(m_startProject);
    m_startProject.clear();
}

void frmVn_Main::OpenProjectAtStart(const QString &path)
{
    m_startProject = path;
}

void frmVn_Main::OpenTool(ChildWindow *tool, std::initializer_list<ChildWindow *> assistantsToHide)
{
    if (tool)
        tool->showInFront();
    for (ChildWindow *assistant : assistantsToHide)
        if (assistant && assistant->isVisible())
            assistant->hide();
}

void frmVn_Main::mnuVnVornish_Click()
{
    OpenTool(appWindows().vornish, {appWindows().scatchardAssistant});
}

void frmVn_Main::mnuScatchard_Click()
{
    OpenTool(appWindows().scatchard, {appWindows().vornishAssistant});
}

void frmVn_Main::mnuSaturation_Click()
{
    OpenTool(appWindows().saturation, {appWindows().vornishAssistant, appWindows().scatchardAssistant});
}

void frmVn_Main::mnuDynamVn_Click()
{
    OpenTool(appWindows().dynamic, {appWindows().vornishAssistant, appWindows().scatchardAssistant});
}

void frmVn_Main::mnuCompetition_Click()
{
    OpenTool(appWindows().competition, {appWindows().vornishAssistant, appWindows().scatchardAssistant});
}

void frmVn_Main::mnuAssayPlanner_Click()
{
    OpenTool(appWindows().planner, {appWindows().vornishAssistant, appWindows().scatchardAssistant});
}

void frmVn_Main::mnuKineticsFit_Click()
{
    OpenTool(appWindows().kineticsFit, {appWindows().vornishAssistant, appWindows().scatchardAssistant});
}

void frmVn_Main::mnuFileNew_Click()
{
    AppWindows &w = appWindows();
    for (ChildWindow *window : {static_cast<ChildWindow *>(w.vornish), static_cast<ChildWindow *>(w.vornishAssistant),
                                static_cast<ChildWindow *>(w.graph), static_cast<ChildWindow *>(w.scatchard),
                                static_cast<ChildWindow *>(w.scatchardAssistant),
                                static_cast<ChildWindow *>(w.saturation), static_cast<ChildWindow *>(w.competition),
                                static_cast<ChildWindow *>(w.kineticsFit), static_cast<ChildWindow *>(w.planner)})
        if (window)
            window->hide();
    if (w.startMenu)
        w.startMenu->showInFront();
}

void frmVn_Main::mnuFilePrint_Click()
{
    if (!PrinterDialog::hasPrinter())
        return ReportExport::OfferPdfInsteadOfPrinter();
    if (!PrinterDialog::choose(PagePrinter::printer(), this)) {
        Messages::show(QStringLiteral("Printing is canceled"), Messages::Buttons::Ok, Messages::Icon::None);
        return;
    }
    if (appWindows().print)
        appWindows().print->showInFront();
}

void frmVn_Main::mnuEditCut_Click()
{
    ClipboardCommands::cut(QApplication::focusWidget());
}
void frmVn_Main::mnuEditCopy_Click()
{
    ClipboardCommands::copy(QApplication::focusWidget());
}
void frmVn_Main::mnuEditPaste_Click()
{
    ClipboardCommands::paste(QApplication::focusWidget());
}

void frmVn_Main::mnuWindowsDocking_Click()
{
    if (isMaximized())
        showNormal();
    m_placement.resize(*this, MainPlacement::DefaultWidth, MainPlacement::DefaultHeight);
    AppWindows &w = appWindows();
    if (w.vornish)
        w.vornish->setTwipsGeometry(0, 0, 5070, 5895);
    if (w.vornishAssistant)
        w.vornishAssistant->hide();
    if (w.scatchard)
        w.scatchard->setTwipsGeometry(0, 0, 5070, 5895);
    if (w.scatchardAssistant)
        w.scatchardAssistant->hide();
    if (w.dynamic)
        w.dynamic->setTwipsGeometry(0, 0, 5070, 5895);
    if (w.dynamicAssistant)
        w.dynamicAssistant->hide();
    if (w.competition) {
        w.competition->setTwipsPosition(0, 0);
        w.competition->ArrangeForPage();
    }
    if (w.graph)
        w.graph->setTwipsGeometry(5070, 0, 6060, 5895);
    if (w.saturation)
        w.saturation->setTwipsPosition(0, 0);
    if (w.planner)
        w.planner->setTwipsPosition(0, 0);
}

void frmVn_Main::mnuReadMe_Click()
{
    modVnPublic::LaunchDocument(this, modVnPublic::ProgramFilePath(QStringLiteral("readme.htm")), 0);
}

void frmVn_Main::tbToolBar_ButtonClick(const QString &key)
{
    if (key == QLatin1String("New"))
        mnuFileNew_Click();
    else if (key == QLatin1String("Print"))
        mnuFilePrint_Click();
    else if (key == QLatin1String("Cut"))
        mnuEditCut_Click();
    else if (key == QLatin1String("Copy"))
        mnuEditCopy_Click();
    else if (key == QLatin1String("Paste"))
        mnuEditPaste_Click();
    else if (key == QLatin1String("Vornish"))
        mnuVnVornish_Click();
    else if (key == QLatin1String("Kinetics Fit"))
        mnuKineticsFit_Click();
    else if (key == QLatin1String("Scatchard Analysis"))
        mnuScatchard_Click();
    else if (key == QLatin1String("DynamVn"))
        mnuDynamVn_Click();
    else if (key == QLatin1String("Saturation Binding"))
        mnuSaturation_Click();
    else if (key == QLatin1String("Competition"))
        mnuCompetition_Click();
    else if (key == QLatin1String("Assay Planner"))
        mnuAssayPlanner_Click();
}

void frmVn_Main::TileWindows(Qt::Orientation stacking)
{
    QList<QMdiSubWindow *> visible;
    for (QMdiSubWindow *w : mdiArea->subWindowList())
        if (w->isVisible() && !w->isMinimized())
            visible.append(w);
    if (visible.isEmpty())
        return;
    // Each window takes its share of the area but never less than its
    // minimum, so that no control is squeezed onto another; the windows
    // that no longer fit are reached by scrolling the area.
    const bool stacked = stacking == Qt::Vertical;
    const QSize area = mdiArea->contentsRect().size();
    const int share = (stacked ? area.height() : area.width()) / int(visible.size());
    QList<QSize> least;
    int total = 0;
    for (QMdiSubWindow *w : visible) {
        if (w->isMaximized())
            w->showNormal();
        least.append(w->minimumSizeHint().expandedTo(w->minimumSize()));
        total += std::max(share, stacked ? least.last().height() : least.last().width());
    }
    const int scrollBar = total > (stacked ? area.height() : area.width())
                              ? mdiArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                              : 0;
    int offset = 0;
    for (int i = 0; i < visible.size(); ++i) {
        if (stacked) {
            const int h = std::max(share, least[i].height());
            visible[i]->setGeometry(0, offset, std::max(area.width() - scrollBar, least[i].width()), h);
            offset += h;
        } else {
            const int wd = std::max(share, least[i].width());
            visible[i]->setGeometry(offset, 0, wd, std::max(area.height() - scrollBar, least[i].height()));
            offset += wd;
        }
    }
}

void frmVn_Main::StorePlacement()
{
    if (!isMinimized())
        m_placement.store(*this);
}

void frmVn_Main::CountExit()
{
    const short times = SettingsStore::readShort(kApp, kRegInfo, QStringLiteral("Times"), 0);
    // The count stops at the largest 16-bit value instead of overflowing.
    const short count = times < std::numeric_limits<short>::max() ? short(times + 1) : times;
    SettingsStore::write(kApp, kRegInfo, QStringLiteral("Times"), QString::number(count));
    m_reminderDue = SettingsStore::read(kApp, kRegInfo, QStringLiteral("Ask"), QStringLiteral("Y"))
                        == QLatin1String("Y")
                    && count >= 15;
}

void frmVn_Main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_frameToFit = true;
    FitFrameWhenKnown();
}

bool frmVn_Main::event(QEvent *event)
{
    // A window manager puts its frame around the window a moment after it
    // is shown, and moves it: the frame is known from then on.
    const bool handled = QMainWindow::event(event);
    if (m_frameToFit
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize
            || event->type() == QEvent::WindowActivate))
        FitFrameWhenKnown();
    return handled;
}

void frmVn_Main::FitFrameWhenKnown()
{
    // Once, as the window first appears with its frame: the frame, not only
    // the client area, must fit on the screen. Later the user places it.
    if (!isVisible() || windowState() != Qt::WindowNoState || frameGeometry() == geometry())
        return;
    m_frameToFit = false;
    m_placement.fitFrame(*this);
}

void frmVn_Main::closeEvent(QCloseEvent *event)
{
    if (!ProjectDocument::current().maySetAside()) {
        event->ignore();
        return;
    }
    ProjectDocument::current().finish();
    StatusText::set(QStringLiteral("Closing application ..."));
    if (Session::current().printerEcho())
        printerPage().discard(); // superimposed graphs echoed for printing
    for (QMdiSubWindow *w : mdiArea->subWindowList())
        w->hide();
    StorePlacement();
    CountExit();
    if (m_reminderDue && appWindows().contribute) {
        hide(); // the reminder comes after the main window has gone
        appWindows().contribute->ShowAtExit();
    }
    event->accept();
}
