#include "TestFixture.h"

#include "dynamic/DynamicResults.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "dynamic/frm_dbResults_DynamVn.h"
#include "shell/AppWindows.h"

#include <QComboBox>
#include <QFile>
#include <QStyledItemDelegate>
#include <QTableView>

using namespace modVornish;

namespace {

QList<ResultRecord> runFiveSamples()
{
    SimulationInput in;
    in.initialA = 1e-9;
    in.initialB = 2e-9;
    in.kAss = 1e6;
    in.kDiss = 1e-3;
    in.endTime = 10.0;
    in.recordingInterval = 3.0;
    in.precisionFactor = PrecisionFactor(1);
    ResetResultsFile();
    QList<ResultRecord> samples;
    ResultsAppender appender(ResultsFilePath());
    RunSimulation(in, [&](const ResultRecord &r) {
        appender.AppendResultRecord(r);
        samples.append(r);
    });
    appender.finish();
    return samples;
}

QString shownText(QTableView *grid, int row, int column)
{
    auto *delegate = static_cast<QStyledItemDelegate *>(grid->itemDelegateForColumn(column));
    return delegate->displayText(grid->model()->index(row, column).data(), QLocale());
}

} // namespace

class ResultsBrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ReleaseResultsFile();
        TestFixture::resetFolders();
        resetMessages();
        m_browser = new frm_dbResults_DynamVn();
        appWindows().results = m_browser;
    }

    void cleanup()
    {
        appWindows().results = nullptr;
        delete m_browser;
        ReleaseResultsFile();
    }

    void eachTableShowsItsRowsInTimeOrder()
    {
        const QList<ResultRecord> samples = runFiveSamples();
        ShowResultsBrowser();
        QVERIFY(m_browser->isVisible());
        QCOMPARE(m_browser->windowTitle(), QStringLiteral("Results table for A"));
        QTableView *grid = m_browser->grdDataGrid;
        QCOMPARE(grid->model()->columnCount(), 3);
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Rate (dC/dt)"));

        const struct { int index; QString caption; double ResultRecord::*value; } tables[] = {
            {2, QStringLiteral("Results table for [A/B]"), &ResultRecord::AB},
            {1, QStringLiteral("Results table for B"), &ResultRecord::B},
            {0, QStringLiteral("Results table for A"), &ResultRecord::A},
        };
        for (const auto &t : tables) {
            m_browser->cmbWhichTable->setCurrentIndex(t.index);
            QCOMPARE(m_browser->windowTitle(), t.caption);
            QCOMPARE(grid->model()->rowCount(), 5);
            for (int row = 0; row < 5; ++row) {
                QCOMPARE(grid->model()->index(row, 0).data().toDouble(), samples[row].time);
                QCOMPARE(grid->model()->index(row, 1).data().toDouble(), samples[row].*t.value);
            }
        }
        // Times in "General Number", concentrations and rates in "Scientific".
        QCOMPARE(shownText(grid, 1, 0), QStringLiteral("3"));
        QCOMPARE(shownText(grid, 0, 1), QStringLiteral("1.00E-09"));
    }

    void aNewRunReleasesTheFileTheBrowserShows()
    {
        runFiveSamples();
        ShowResultsBrowser();
        QCOMPARE(m_browser->grdDataGrid->model()->rowCount(), 5);
        ResetResultsFile();
        QVERIFY(!m_browser->isVisible());
        QCOMPARE(m_browser->grdDataGrid->model()->rowCount(), 0);
        ShowResultsBrowser();
        QCOMPARE(m_browser->grdDataGrid->model()->rowCount(), 0);
        QVERIFY(scriptedMessages().shown.isEmpty());
    }

    void aFileThatIsNoDatabaseIsADataError()
    {
        QFile foreign(ResultsFilePath());
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write(QByteArray(4096, 'x'));
        foreign.close();
        ShowResultsBrowser();
        QCOMPARE(scriptedMessages().shown.size(), 1);
        QVERIFY(scriptedMessages().shown[0].text.startsWith(QStringLiteral("Data error event hit err:")));
        QCOMPARE(m_browser->grdDataGrid->model()->rowCount(), 0);
    }

private:
    frm_dbResults_DynamVn *m_browser = nullptr;
};

VORNISH_TEST_MAIN(ResultsBrowserTest)
#include "tst_results_browser.moc"
