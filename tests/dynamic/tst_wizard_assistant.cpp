#include "TestMain.h"
#include "WizardFixture.h"
#include "session/Session.h"

#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "graphing/frmOptions.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace DynamicTesting;

// The wizard's assistant, its demonstration, and the links to the other windows.
class WizardAssistantTest : public QObject, WizardFixture
{
    Q_OBJECT

private slots:
    void initTestCase() { start(); }
    void cleanupTestCase() { stop(); }
    void init() { reset(); }

    void assistantGuidesStepOne()
    {
        QTest::mouseClick(w->cmdDynamVnTlAssistant, Qt::LeftButton);
        QVERIFY(assistant->isVisible());
        QCOMPARE(assistant->lblInputSuggestion->text(),
                 QStringLiteral("Enter the concentration(s) of 3 molecule(s): A, B, [A/B] . \n\n"
                                "The values represent the concentrations at the beginning of the simulation "
                                "(t = 0). \n\nEnter these concentrations in nM."));
        QVERIFY(w->lblStar1->isVisible());
        QVERIFY(!w->lblStar2->isVisible());
        QCOMPARE(w->lblStar1->y(), w->txtA->y());

        QTest::keyClicks(w->txtA, QStringLiteral("1"));
        QTest::keyClicks(w->txtB, QStringLiteral("1"));
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(
            QStringLiteral("Enter the concentration(s) of 1 molecule(s): [A/B] . ")));
        QCOMPARE(w->lblStar1->y(), w->txtAB->y());

        QTest::keyClicks(w->txtAB, QStringLiteral("1"));
        QTest::keyClicks(w->txtKd, QStringLiteral("1E-9"));
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(
            QStringLiteral("Enter the values for 1 of 3 of the equilibrium constants.")));
        QVERIFY(!w->lblStar1->isVisible());
        QVERIFY(w->lblStar2->isVisible());
        QCOMPARE(w->lblStar2->y(), w->txtK_ass_rate->y());

        QTest::keyClicks(w->txtK_diss_rate, QStringLiteral("1"));
        QCOMPARE(assistant->lblInputSuggestion->text(),
                 QStringLiteral("Check whether all values are valid and correct. Then click on the 'Next' button "
                                "for the next step."));
        QVERIFY(!w->lblStar1->isVisible() && !w->lblStar2->isVisible());

        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(QStringLiteral("Time window: Period of simulation.")));
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QVERIFY(assistant->lblInputSuggestion->text().startsWith(
            QStringLiteral("You may use the Programmed events table")));

        // Closing the assistant takes the stars away.
        w->ShowStep(0);
        w->txtA->clear();
        QVERIFY(w->lblStar1->isVisible());
        assistant->close();
        QVERIFY(!assistant->isVisible());
        QVERIFY(!w->lblStar1->isVisible());
    }

    void assistantTopicsAndTheDemoSteps()
    {
        QTest::mouseClick(w->cmdDynamVnTlAssistant, Qt::LeftButton);
        QVERIFY(!assistant->fraWhatAbout->isVisible());
        const int shortHeight = assistant->height();
        QTest::mouseClick(assistant->lblWhat_About_Units, Qt::LeftButton);
        QVERIFY(assistant->fraWhatAbout->isVisible() && assistant->height() > shortHeight);
        QCOMPARE(assistant->lblWhatAboutText->text(),
                 QStringLiteral("Concentrations are expressed in nM\n\nTime is expressed in min.\n\n"
                                "Equilibrium rate constants are expressed in the respective SI units."));

        // The demo fills the example once and follows Next and Back.
        w->txtA->setText(QStringLiteral("99"));
        w->ShowStep(2);
        QTest::mouseClick(assistant->lblWhat_About_a_Demo, Qt::LeftButton);
        QCOMPARE(assistant->demoStage, 1);
        QCOMPARE(w->CurrentStep(), 1);
        QCOMPARE(w->txtA->text(), QStringLiteral("0.6"));
        QCOMPARE(w->txtK_ass_rate->text(), QStringLiteral("5.00E+06"));
        QCOMPARE(w->txtKd->text(), QStringLiteral("1.60E-10"));
        QVERIFY(w->txtK_diss_rate->text().isEmpty());
        QCOMPARE(w->EventCell(2, 2), QStringLiteral("-1"));
        QCOMPARE(w->cmbSelectChangingVariable[1]->currentText(), QStringLiteral("[A/B]"));
        QCOMPARE(assistant->lblWhatAboutTitle->text(), QStringLiteral("Demo"));
        QVERIFY(assistant->lblWhatAboutText->text().startsWith(QStringLiteral("Click on the 'Next' button")));
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QTest::mouseClick(w->cmdGo, Qt::LeftButton);
        QVERIFY(assistant->lblWhatAboutText->text().startsWith(QStringLiteral("Click on the 'Finish' button")));
        QTest::mouseClick(w->cmdBack, Qt::LeftButton);
        QVERIFY(assistant->lblWhatAboutText->text().startsWith(QStringLiteral("Click on the 'Next' button")));
        QCOMPARE(w->txtA->text(), QStringLiteral("0.6")); // the example is filled once

        // A run that draws no graph does not end the demonstration.
        frmOptions *options = appWindows().options;
        options->chkToPlotOrNot->setChecked(false);
        finish();
        options->chkToPlotOrNot->setChecked(true);
        Session::current().setSettingsChanged(false);
        QCOMPARE(scriptedMessages().titles(), QStringList{QStringLiteral("Accuracy check")});
        QCOMPARE(storedSamples().size(), 50);
        QCOMPARE(assistant->demoStage, 1);
        QVERIFY(assistant->fraWhatAbout->isVisible());
    }

    void placedByDockingAndLinkedToTheOptionsWindow()
    {
        w->move(200, 100);
        assistant->showInFront();
        m_main->mnuWindowsDocking_Click();
        QCOMPARE(w->pos(), QPoint(0, 0));
        QVERIFY(!assistant->isVisible());

        frmOptions *options = appWindows().options;
        QTest::mouseClick(w->cmdOptions, Qt::LeftButton);
        QVERIFY(options->isVisible());
        QCOMPARE(options->SSTab1->currentIndex(), 4);
        options->ShowXScaleTitles(true);
        w->showInFront(); // activation: the time axis is linear
        QTRY_VERIFY(options->txtX_min->toolTip().isEmpty());
        QVERIFY(options->lblX_ScaleTitles->text().startsWith(QStringLiteral("Low (Min.)")));
        options->hide();
    }
};

VORNISH_TEST(WizardAssistantTest)

#include "tst_wizard_assistant.moc"
