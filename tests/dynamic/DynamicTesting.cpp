#include "DynamicTesting.h"

#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"
#include "dynamic/SimulationIntoFile.h"
#include "graphing/DisplayList.h"
#include "graphing/GraphPicture.h"
#include "graphing/frmGraph.h"
#include "platform/RuntimeFault.h"
#include "shell/AppWindows.h"

#include <sqlite3.h>

using namespace modVornish;

namespace DynamicTesting {

SimulationInput bindingRun(double A, double B, double AB, double kAss, double kDiss, double endTime, double interval,
                           int precisionRow)
{
    SimulationInput in;
    in.initialA = A;
    in.initialB = B;
    in.initialAB = AB;
    in.kAss = kAss;
    in.kDiss = kDiss;
    in.endTime = endTime;
    in.recordingInterval = interval;
    in.precisionFactor = PrecisionFactor(precisionRow);
    return in;
}

SimulationInput tenSecondsEveryThree(int precisionIndex)
{
    return bindingRun(1e-9, 2e-9, 0.5e-9, 1e6, 1e-3, 10.0, 3.0, precisionIndex);
}

QList<ResultRecord> run(const SimulationInput &input)
{
    QList<ResultRecord> samples;
    RunSimulation(input, [&](const ResultRecord &r) { samples.append(r); });
    return samples;
}

QList<ResultRecord> runIntoResultsFile(const SimulationInput &input)
{
    QList<ResultRecord> samples;
    RunSimulationIntoFile(input, ResultsFilePath(), {{}, [&](const ResultRecord &r) { samples.append(r); }, {}});
    return samples;
}

QList<StoredRow> storedRows(const char *table)
{
    QList<StoredRow> rows;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(ResultsFilePath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        const QByteArray sql = QByteArray("select [Time],[Concentration],[Rate (dC/dt)] from [") + table + "]";
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                rows.append({sqlite3_column_double(st, 0), sqlite3_column_double(st, 1), sqlite3_column_double(st, 2)});
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return rows;
}

QList<ResultRecord> storedSamples()
{
    const QList<StoredRow> a = storedRows("A"), b = storedRows("B"), ab = storedRows("AB");
    QList<ResultRecord> samples;
    for (int i = 0; i < a.size() && i < b.size() && i < ab.size(); ++i)
        samples.append(
            {a[i].time, a[i].concentration, a[i].rate, b[i].concentration, b[i].rate, ab[i].concentration, ab[i].rate});
    return samples;
}

QList<QPointF> curvePoints()
{
    QList<QPointF> points;
    const QRgb light = qRgb(204, 204, 204);
    const std::vector<DisplayItem> &items = appWindows().graph->PicGraph->displayList().items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const DisplayItem &item = items[i];
        const bool lastOfDot = i + 1 == items.size() || items[i + 1].kind != DisplayItem::Point;
        if (item.kind == DisplayItem::Point && lastOfDot)
            points.append(QPointF(item.x1, item.y1));
        if (item.kind == DisplayItem::Line && item.color != light && i > 0 && items[i - 1].color == light)
            points.append(QPointF(item.x2, item.y2));
    }
    return points;
}

int faultNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeFault &f) {
        return f.number();
    }
    return 0;
}

} // namespace DynamicTesting
