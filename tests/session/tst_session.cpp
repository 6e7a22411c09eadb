#include "TestMain.h"

#include "session/Session.h"

#include <QSignalSpy>
#include <QTest>

// The program's state: typed values that announce real changes only, and
// a reset back to the state of a program that has just started.
class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void changesAreAnnouncedOnceAndResetIsAFreshStart()
    {
        Session &session = Session::current();
        session.reset();
        QSignalSpy source(&session, &Session::graphSourceChanged);
        QSignalSpy running(&session, &Session::runningChanged);
        QSignalSpy unit(&session, &Session::concentrationUnitChanged);

        session.setGraphSource(modPlot_Graph::ScatchardTool);
        session.setGraphSource(modPlot_Graph::ScatchardTool);
        session.setRunning(true);
        session.setRunning(true);
        session.setConcentrationUnit(QStringLiteral("\u00B5M"), 1e-6);
        QCOMPARE(source.count(), 1);
        QCOMPARE(source.at(0).at(0).value<modPlot_Graph::ToolCode>(), modPlot_Graph::ScatchardTool);
        QCOMPARE(running.count(), 1);
        QCOMPARE(unit.count(), 1);
        QCOMPARE(session.concentrationFactor(), 1e-6);

        // A reset is a fresh start.
        modPlot_Graph::GraphPreferences typed;
        typed.xMax = QStringLiteral("80");
        session.setGraphPreferences(typed);
        session.setPrinterEcho(true);
        session.setSettingsChanged(true);
        session.setTimeUnit(QStringLiteral("s"), 1.0f);

        session.reset();
        QCOMPARE(session.concentrationUnit(), QStringLiteral("nM"));
        QCOMPARE(session.concentrationFactor(), 1e-9);
        QCOMPARE(session.timeUnit(), QStringLiteral("min."));
        QCOMPARE(session.timeFactor(), 60.0f);
        QVERIFY(session.graphPreferences().xMax.isEmpty());
        QCOMPARE(session.graphSource(), modPlot_Graph::NoTool);
        QVERIFY(!session.printerEcho());
        QVERIFY(!session.settingsChanged());
        QVERIFY(!session.running());
    }
};

VORNISH_TEST(SessionTest)

#include "tst_session.moc"
