#include "DisplayTexts.h"
#include "RunningProgram.h"
#include "TestMain.h"

#include "graphing/GraphState.h"
#include "graphing/PrinterPage.h"
#include "graphing/UnitDisplays.h"
#include "platform/SettingsStore.h"
#include "platform/TabRows.h"
#include "session/Session.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabWidget>

namespace {

RunningProgram program;

int textCount(const DisplayList &list)
{
    return int(displayTexts(list).size());
}

// What the tool windows that register unit displays were told.
struct UnitDisplayLog
{
    QStringList calls;
    void install()
    {
        modVnPublic::UnitDisplay display;
        display.rescaleConcentrations = [this](const modVnPublic::RescaleText &rescale) {
            calls << "rescale " + rescale("1000");
        };
        display.showConcentrationUnit = [this](const modVnPublic::ConcentrationUnitTexts &texts) {
            calls << texts.scatchardLabel + " | " + texts.longText + " | " + texts.dynamicLabel;
        };
        display.showTimeUnit = [this](int index, const QString &label) {
            calls << QString::number(index) + " " + label;
        };
        modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Scatchard, display);
    }
    ~UnitDisplayLog() { modVnPublic::SetUnitDisplay(modVnPublic::UnitDisplayWindow::Scatchard, {}); }
};

} // namespace

class OptionsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { program.start(); }

    void cleanup() { program.stop(); }

    void tabsAndCaptions()
    {
        frmOptions &options = program.options();
        QStringList tabs;
        for (int i = 0; i < options.SSTab1->count(); ++i)
            tabs << options.SSTab1->tabText(i);
        QCOMPARE(tabs, QStringList({"General", "Preferences", "Graph Axis properties", "Equilibrium Tool Graph",
                                    "Dynamic Equilibrium Graph", "Scatchard Analysis Graph"}));
        // All six at once, whole, at the window's size.
        options.showInFront();
        const TabRows *rows = options.findChild<TabRows *>();
        QVERIFY(rows && rows->isVisible());
        for (int i = 0; i < tabs.size(); ++i) {
            const QStyleOptionTab tab = rows->tabOption(i);
            QVERIFY(rows->rect().contains(tab.rect));
            const QRect space = rows->style()->subElementRect(QStyle::SE_TabBarTabText, &tab, rows);
            QVERIFY2(rows->fontMetrics().horizontalAdvance(tabs[i]) <= space.width(), qPrintable(tabs[i]));
            for (int j = 0; j < i; ++j)
                QVERIFY(!tab.rect.intersects(rows->tabRect(j)));
        }
        // The log scale heading and tips, and the Equilibrium Tool's activation.
        QVERIFY(options.lblX_ScaleTitles->text().startsWith("Low (Min.)"));
        options.optLog->setChecked(true);
        QVERIFY(options.lblX_ScaleTitles->text().startsWith("Log(Min.)"));
        QVERIFY(options.txtX_Tick->toolTip().startsWith("Enter only the exponent of the Tick distance"));
        options.ShowXScaleTitles(false); // as another tool's activation does
        program.graph().showInFront();
        program.vornish().showInFront(); // activating the Equilibrium Tool window
        QVERIFY(options.lblX_ScaleTitles->text().startsWith("Log(Min.)"));

        program.vornish().cmdOptions->click();
        QVERIFY(options.isVisible());
        QCOMPARE(options.SSTab1->currentIndex(), int(frmOptions::TabEquilibrium));
        program.main->action("mnuEditPref")->trigger();
        QCOMPARE(options.SSTab1->currentIndex(), int(frmOptions::TabPreferences));
    }

    void showDataInGraphSwitch()
    {
        frmOptions &options = program.options();
        QAction *disable = program.main->action("mnuGraphDisable");
        program.vornish("10", "10", "1");
        QVERIFY(program.graph().isVisible());

        options.chkToPlotOrNot->click();
        QVERIFY(!program.graph().isVisible());
        QCOMPARE(frmOptions::checkValue(options.chkClearPrevGraph), 2);
        QVERIFY(!options.chkClearPrevGraph->isEnabled());
        QVERIFY(disable->isChecked());
        QCOMPARE(TestFixture::stored("Settings", "ToPlotOrNot"), QString("0"));
        QCOMPARE(Session::current().settingsChanged(), true);

        // The menu item turns graphs on again, and superimposing ends.
        Session::current().setPrinterEcho(true);
        disable->trigger();
        QVERIFY(options.chkToPlotOrNot->isChecked());
        QVERIFY(!disable->isChecked());
        QCOMPARE(frmOptions::checkValue(options.chkClearPrevGraph), 1);
        QVERIFY(options.chkClearPrevGraph->isEnabled());
        QCOMPARE(Session::current().printerEcho(), false);
        QCOMPARE(TestFixture::stored("Settings", "ToPlotOrNot"), QString("1"));

        options.chkShowTable->click();
        options.chkDoNotRemind->click();
        QCOMPARE(TestFixture::stored("Settings", "ShowTable"), QString("1"));
        QCOMPARE(TestFixture::stored("Settings", "DoNotRemind"), QString("1"));

        // File > New hides the graph with the tools.
        program.vornish().cmdVornish_Click();
        program.main->action("mnuFileNew")->trigger();
        QVERIFY(!program.graph().isVisible());
    }

    void storedSwitchesAtStartUp()
    {
        QCOMPARE(Session::current().settingsChanged(), false);
        SettingsStore::write("Vornish", "Settings", "ToPlotOrNot", "0");
        SettingsStore::write("Vornish", "Settings", "DoNotRemind", "1");
        program.main.reset();
        program.main = std::make_unique<frmVn_Main>();
        frmOptions &options = program.options();
        QVERIFY(!options.chkToPlotOrNot->isChecked());
        QCOMPARE(frmOptions::checkValue(options.chkClearPrevGraph), 2);
        QVERIFY(!options.chkClearPrevGraph->isEnabled());
        QVERIFY(program.main->action("mnuGraphDisable")->isChecked());
        QVERIFY(options.chkDoNotRemind->isChecked());
        QVERIFY(!options.chkShowTable->isChecked());
        QCOMPARE(Session::current().settingsChanged(), true);
    }

    void superimposing()
    {
        frmOptions &options = program.options();
        const DisplayList &picture = program.picture().displayList();
        PrinterPage &page = printerPage();

        // Before any graph nothing is asked; graphs then pile up, on the printer page too.
        options.chkClearPrevGraph->click();
        QVERIFY(scriptedMessages().shown.isEmpty());
        QCOMPARE(Session::current().printerEcho(), true);
        QVERIFY(program.main->action("mnuGraphSuperimpose")->isChecked());
        options.chkDoNotRemind->click();
        program.vornish("10", "10", "1");
        const int oneGraph = textCount(picture);
        program.vornish("10", "10", "5");
        QCOMPARE(textCount(picture), 2 * oneGraph);
        QCOMPARE(textCount(page), 2 * oneGraph);
        QCOMPARE(page.items().front().x1, 2900.0f);

        options.chkClearPrevGraph->click();
        QVERIFY(page.isEmpty());
        QCOMPARE(Session::current().printerEcho(), false);

        // With a graph shown the question comes; No clears it and opens the axis tab.
        options.ShowOnTab(frmOptions::TabGeneral);
        resetMessages({Messages::Answer::No});
        options.chkClearPrevGraph->click();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].title, QString("Superimpose multiple graphs"));
        QVERIFY(scriptedMessages().shown[0].text.startsWith("Do you want to keep the current graph? \r\n\r\n"));
        QVERIFY(picture.items().empty());
        QVERIFY(options.isVisible());
        QCOMPARE(options.SSTab1->currentIndex(), int(frmOptions::TabAxis));
        QCOMPARE(page.currentFont().name, QString("MS Sans Serif"));

        // Yes draws the current graph again, now also on the printer page.
        options.chkClearPrevGraph->click();
        program.vornish("10", "10", "1");
        resetMessages({Messages::Answer::Yes});
        options.chkClearPrevGraph->click();
        QCOMPARE(textCount(page), oneGraph);
        QVERIFY(!options.isVisible());
    }

    void applyAndOk()
    {
        frmOptions &options = program.options();
        options.cmdApply->click();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].text, QString("No graph available"));
        QCOMPARE(scriptedMessages().shown[0].icon, Messages::Icon::Exclamation);
        QCOMPARE(scriptedMessages().shown[0].title, QString("Vornish"));

        program.vornish("10", "10", "1");
        options.ShowOnTab(frmOptions::TabEquilibrium);
        options.optYA->setChecked(true);
        resetMessages();
        options.cmdApply->click();
        QVERIFY(scriptedMessages().shown.isEmpty());
        QVERIFY(!options.isVisible());
        QCOMPARE(program.graph().lblY_axis->text(), QString("[Free A] (nM)"));
        QCOMPARE(Session::current().settingsChanged(), true);

        options.ShowOnTab(frmOptions::TabGeneral);
        options.cmdOK->click();
        QVERIFY(!options.isVisible());
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QCOMPARE(scriptedMessages().shown[0].text, QString("(Re)Calculate graph in order to have changes take effect"));
        QCOMPARE(scriptedMessages().shown[0].icon, Messages::Icon::Information);
        QCOMPARE(scriptedMessages().shown[0].title, QString(""));

        resetMessages();
        options.cmdDefaults->click();
        QVERIFY(options.optYAB->isChecked());
        options.cmdOK->click();
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void unitSwitchingAndDefaults()
    {
        UnitDisplayLog log;
        log.install();
        frmOptions &options = program.options();
        frmVornish &tool = program.vornish();
        program.vornish("10", "10", "1");
        tool.txtKd->setText("abc");
        options.optMicromolar->setChecked(true);
        QCOMPARE(tool.txtA_tot->text(), QString("0.01"));
        QCOMPARE(tool.txtAB->text(), QString("0.007298"));
        QCOMPARE(tool.txtKd->text(), QString("abc"));
        QCOMPARE(tool.lblInputHeading->text(), "Component   Concentration /" + QString(23, ' ') + "Value (\u00B5M)");
        QCOMPARE(Session::current().concentrationFactor(), 1E-06);
        QCOMPARE(log.calls, QStringList({"rescale 1.0", "(in \u00B5M ) | \u00B5M (1E-06 Molar) | (\u00B5M)"}));
        QCOMPARE(Session::current().settingsChanged(), true);

        log.calls.clear();
        options.optSec->setChecked(true);
        QCOMPARE(Session::current().timeUnit(), QString("s"));
        QCOMPARE(Session::current().timeFactor(), 1.0f);
        QVERIFY(log.calls.isEmpty()); // only the Dynamic Equilibrium Tool shows times
        options.optMolar->setChecked(true);
        QCOMPARE(tool.txtA_tot->text(), QString("1.00E-08"));

        // Defaults convert the shown values back once, and only once.
        options.optMicromolar->setChecked(true);
        options.optHour->setChecked(true);
        options.txtX_min->setText("2");
        log.calls.clear();

        options.cmdDefaults->click();
        QCOMPARE(tool.txtA_tot->text(), QString("10.0"));
        QCOMPARE(Session::current().concentrationUnit(), QString("nM"));
        QVERIFY(options.optNanomolar->isChecked() && options.optMin->isChecked());
        QCOMPARE(Session::current().timeFactor(), 60.0f);
        QVERIFY(options.txtX_min->text().isEmpty());
        QCOMPARE(log.calls.last(), QString("in nM | nM (1E-09 Molar) | (nM)"));
        QCOMPARE(log.calls.first(), QString("rescale 1.00E+06"));
        QCOMPARE(Session::current().settingsChanged(), false);

        log.calls.clear();
        options.cmdDefaults->click();
        QCOMPARE(tool.txtA_tot->text(), QString("10.0"));
        QVERIFY(!log.calls.join(' ').contains("rescale"));
    }
};

VORNISH_TEST(OptionsWindowTest)

#include "tst_options_window.moc"
