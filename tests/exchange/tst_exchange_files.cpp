#include "ExchangeTesting.h"
#include "TestFixture.h"
#include "TestMain.h"

#include "dynamic/ResultsStore.h"
#include "exchange/CsvText.h"
#include "exchange/GraphDrawing.h"
#include "exchange/GraphFiles.h"
#include "exchange/PairsReader.h"
#include "exchange/ResultsCsv.h"
#include "exchange/RunDescription.h"
#include "exchange/ScatchardCsv.h"
#include "platform/NumberText.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>
#include <cstring>

namespace {

// Python reads the CSV with its csv module and float(), the results file
// with its own sqlite3 module, and compares every cell bit for bit with the
// stored value divided and multiplied as the column says.
const QString kCompareWithResultsFile = QStringLiteral(R"(
import csv, sqlite3, struct, sys
path, db, columnsWanted = sys.argv[1], sys.argv[2], sys.argv[3:]
rows = [r for r in csv.reader(open(path, newline='', encoding='utf-8')) if not r[0].startswith('#')]
tables = {t: list(sqlite3.connect(db).execute(
    'select [Time],[Concentration],[Rate (dC/dt)] from [%s]' % t)) for t in ('A', 'B', 'AB')}
columns = [columnsWanted[i:i + 4] for i in range(0, len(columnsWanted), 4)]
bits = lambda v: struct.pack('<d', v)
assert len(rows) == len(tables['A']) + 1, 'row count'
for n, row in enumerate(rows[1:]):
    for cell, (table, field, divisor, multiplier) in zip(row, columns):
        want = tables[table][n][int(field)] / float(divisor) * float(multiplier)
        assert bits(float(cell)) == bits(want), (n, cell, repr(want))
print('ok', len(rows) - 1, '|'.join(rows[0]))
)");

QString shortest(double v)
{
    std::string text;
    CsvText::appendNumber(text, v);
    return QString::fromStdString(text);
}

} // namespace

class ExchangeFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestFixture::resetFolders(); }

    void numbersAndTextsReadBackExactly()
    {
        const double values[] = {0.1,
                                 1.0 / 3,
                                 -2.5e-9,
                                 5e-324,
                                 2.2250738585072014e-308,
                                 1.7976931348623157e308,
                                 123456789012345678.0,
                                 0.30000000000000004};
        QStringList cells;
        for (double v : values) {
            const QString text = shortest(v);
            const double back = std::strtod(text.toLatin1().constData(), nullptr);
            QVERIFY2(std::memcmp(&back, &v, sizeof v) == 0, qPrintable(text));
            QCOMPARE(NumberText::leadingNumber(text), v);
            cells << text;
        }
        QCOMPARE(shortest(0.1), QStringLiteral("0.1"));
        QCOMPARE(shortest(std::nan("")), QString());

        const QStringList texts{QStringLiteral("a,b"), QStringLiteral("say \"hi\""), QStringLiteral("two\nlines"),
                                QStringLiteral("\u00b5M")};
        const std::string record = CsvText::record(texts);
        QCOMPARE(QString::fromStdString(record),
                 QStringLiteral("\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\u00b5M\r\n"));
        QCOMPARE(csvRecords(QString::fromStdString(record), QLatin1Char(',')), QList<QStringList>{texts});

        // Python's own reading of the same record and of the numbers.
        const QString python = runPython(
            QStringLiteral("import csv, io, sys\nr = list(csv.reader(io.StringIO(sys.argv[1], newline='')))\n"
                           "print(r[0] == sys.argv[2:6] and [float(x) for x in r[1]] == [float.fromhex(h) for h in "
                           "sys.argv[6:]])"),
            QStringList{QString::fromStdString(record) + cells.join(QLatin1Char(','))} + texts + [&] {
                QStringList hex;
                for (double v : values)
                    hex << hexText(v);
                return hex;
            }());
        QCOMPARE(python, QStringLiteral("True"));
    }

    void resultsStreamToCsvBitForBit()
    {
        const QString db = modVornish::ResultsFilePath();
        writeAwkwardResults(db, 1000);
        const QString csv = QDir(TestFixture::temporaryFolder()).filePath(QStringLiteral("run.csv"));
        const ResultsCsv::Units units{"min", 60, "nM", 1e-9};
        const ResultsCsv::Result run = ResultsCsv::Write(db, csv, "# a run\r\n", ResultsCsv::RunColumns(units));
        QCOMPARE(int(run.outcome), int(ResultsCsv::Outcome::Written));
        QCOMPARE(run.rows, qint64(1000));
        const QStringList runColumns{"A",     "0",  "60",    "1", "A",     "1", "1e-09", "1", "A",     "2",
                                     "1e-09", "60", "B",     "1", "1e-09", "1", "B",     "2", "1e-09", "60",
                                     "AB",    "1",  "1e-09", "1", "AB",    "2", "1e-09", "60"};
        QCOMPARE(runPython(kCompareWithResultsFile, QStringList{csv, db} + runColumns),
                 QStringLiteral("ok 1000 Time (min)|[A] (nM)|d[A]/dt (nM/min)|[B] (nM)|d[B]/dt (nM/min)|"
                                "[A/B] (nM)|d[A/B]/dt (nM/min)"));

        // One table: the same headings and units.
        ResultsCsv::Write(db, csv, std::string(), ResultsCsv::TableColumns(modVornish::ResultsTable::B, units));
        QCOMPARE(runPython(kCompareWithResultsFile,
                           {csv, db, "B", "0", "60", "1", "B", "1", "1e-09", "1", "B", "2", "1e-09", "60"}),
                 QStringLiteral("ok 1000 Time (min)|[B] (nM)|d[B]/dt (nM/min)"));
    }

    void runDescriptionNamesTheRunInTheFilesUnits()
    {
        modVornish::SimulationInput in;
        in.initialA = 10e-9;
        in.initialB = 5e-9;
        in.kAss = 1e6;
        in.kDiss = 1e-3;
        in.endTime = 3600;
        in.recordingInterval = 60;
        in.precisionFactor = modVornish::PrecisionFactors[1];
        in.events = {{1800, 10e-9, modVornish::EventTarget::A}, {2400, -2e-9, modVornish::EventTarget::AB}};
        const ResultsCsv::Units units{"min", 60, "nM", 1e-9};
        QCOMPARE(QString::fromStdString(ResultsCsv::RunDescription(&in, units)).split("\r\n"),
                 QStringList({"# Simulation of A + B <=> [A/B], concentrations in nM, times in min",
                              "# A at time 0: 10 nM", "# B at time 0: 5 nM", "# [A/B] at time 0: 0 nM",
                              "# k_ass: 1e+06 1/(M s)", "# k_diss: 0.001 1/s", "# Kd: 1 nM", "# End time: 60 min",
                              "# Recording interval: 1 min", "# Integration step: 1 % of the recording interval",
                              "# Event 1: at 30 min, +10 nM of A", "# Event 2: at 40 min, -2 nM of [A/B]", ""}));
        in.competitorChallenge = true;
        QVERIFY(ResultsCsv::RunDescription(&in, units).find("# Event 1: at 30 min, +10 nM of a competitor")
                != std::string::npos);
        QVERIFY(ResultsCsv::RunDescription(nullptr, units).find("# The run's constants are not known")
                != std::string::npos);
    }

    void cancelOrUnwritableDestinationLeavesNoFile()
    {
        const QString db = modVornish::ResultsFilePath();
        writeAwkwardResults(db, 40000);
        QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("run.csv"));
        QFile earlier(csv);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();

        qint64 reported = 0;
        const std::vector<ResultsCsv::Column> columns = ResultsCsv::TableColumns(modVornish::ResultsTable::A, {});
        const ResultsCsv::Result cancelled = ResultsCsv::Write(db, csv, std::string(), columns,
                                                               [&reported](qint64 done, qint64) {
                                                                   reported = done;
                                                                   return false;
                                                               });
        QCOMPARE(int(cancelled.outcome), int(ResultsCsv::Outcome::Cancelled));
        QVERIFY(reported > 0 && reported < 40000);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"run.csv"});

        const QString blocked = unwritableFolder() + QStringLiteral("/run.csv");
        const ResultsCsv::Result failed = ResultsCsv::Write(db, blocked, std::string(), columns);
        QCOMPARE(int(failed.outcome), int(ResultsCsv::Outcome::Failed));
        QVERIFY(!failed.reason.isEmpty());
        QVERIFY(!QFile::exists(blocked));
    }

    // A vector editor gets one element a curve, with strokes that scale
    // with the drawing: a line width of 1 is 15 twips, one screen pixel.
    void svgCurvesAreOnePolylineWithRealWidths()
    {
        GraphDrawing drawing;
        drawing.twipsSize = QSizeF(6000, 5000);
        drawing.list.drawLine(QPointF(500, 4500), QPointF(5500, 4500), Qt::black); // an axis
        const QColor light(204, 204, 204);
        const int segments = 300;
        for (int i = 0; i < segments; ++i) {
            // A curve as the graph draws it: each segment with its grey copies.
            const QPointF from(500 + 15 * i, 4000 - 10 * i), to(515 + 15 * i, 3990 - 10 * i);
            drawing.list.drawLine(from - QPointF(0, 15), to - QPointF(0, 15), light);
            drawing.list.drawLine(from + QPointF(15, 0), to + QPointF(15, 0), light);
            drawing.list.drawLine(from, to, Qt::black);
        }
        drawing.list.setLineWidth(2);
        drawing.list.drawLine(QPointF(500, 500), QPointF(500, 4500), Qt::black);

        const QByteArray svg = GraphFiles::svgData(drawing);
        QVERIFY(!svg.contains("non-scaling-stroke"));
        QXmlStreamReader reader(svg);
        QList<int> points;
        QStringList widths;
        QString width; // the generator sets the pen on the group around a figure
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement())
                continue;
            if (reader.name() == QLatin1String("g") && reader.attributes().hasAttribute("stroke-width"))
                width = reader.attributes().value("stroke-width").toString();
            QVERIFY2(reader.name() != QLatin1String("line") && reader.name() != QLatin1String("path"),
                     qPrintable(reader.name().toString()));
            if (reader.name() == QLatin1String("polyline")) {
                points << int(reader.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts).size());
                widths << width;
            }
        }
        // The axis, the two grey copies and the curve, then the wider line.
        QCOMPARE(points, QList<int>({2, segments + 1, segments + 1, segments + 1, 2}));
        QCOMPARE(widths, QStringList({"15", "15", "15", "15", "30"}));
        QVERIFY(svg.size() < 40000);
    }

    void scatchardCsvCarriesBothAnalysesAsRows()
    {
        // The result rows by name: Value, Unit, SE, 95% low, 95% high, Note.
        const auto resultsOf = [](const QString &text) {
            QMap<QString, QStringList> rows;
            for (const QStringList &record : csvRecords(text, QLatin1Char(',')))
                if (record.size() == 7)
                    rows[record[0]] = record.mid(1);
            return rows;
        };
        // Bound 1, 2, 3 with Bound/Free 1, 0.5, 0.1: by hand, slope -0.45,
        // intercept 43/30, SE of the slope sqrt(1/1200), Kd 20/9, and with
        // t(df 1) = 12.7062 the interval 1/(0.45 -/+ t SE).
        const std::vector<double> bound{1, 2, 3}, ratio{1.0, 0.5, 0.1};
        const QString text = QString::fromStdString(ScatchardCsv::Text(bound, ratio, QStringLiteral("nM")));
        const QMap<QString, QStringList> line = resultsOf(text);
        QCOMPARE(line["Result"], QStringList({"Value", "Unit", "SE", "95% low", "95% high", "Note"}));
        const double se = std::sqrt(1.0 / 1200);
        QVERIFY(std::abs(line["Scatchard slope"][0].toDouble() + 0.45) < 1e-15);
        QCOMPARE(line["Scatchard slope"][1], QStringLiteral("1/nM"));
        QVERIFY(std::abs(line["Scatchard slope"][2].toDouble() - se) < 1e-15);
        QVERIFY(std::abs(line["Scatchard intercept"][0].toDouble() - 43.0 / 30) < 1e-15);
        QCOMPARE(line["Scatchard degrees of freedom"][0], QStringLiteral("1"));
        const QStringList kd = line["Scatchard Kd"];
        QVERIFY(std::abs(kd[0].toDouble() - 20.0 / 9) < 1e-14);
        QCOMPARE(kd[1], QStringLiteral("nM"));
        QVERIFY(std::abs(kd[3].toDouble() - 1 / (0.45 + 12.7062 * se)) < 1e-13);
        QVERIFY(std::abs(kd[4].toDouble() - 1 / (0.45 - 12.7062 * se)) < 1e-12);

        // Points on Bound = 10 Free / (2 + Free), Free 1, 2, 6, 18: the fit
        // and the line both give Kd 2 and Bmax 10.
        const std::vector<double> onCurve{10.0 / 3, 5, 7.5, 9};
        const QMap<QString, QStringList> exact = resultsOf(
            QString::fromStdString(ScatchardCsv::Text(onCurve, {10.0 / 3, 2.5, 1.25, 0.5}, QStringLiteral("nM"))));
        for (const char *name :
             {"Saturation fit Kd (profile interval)", "Saturation fit Kd (estimate +/- t SE)", "Scatchard Kd"})
            QVERIFY2(std::abs(exact[name][0].toDouble() - 2) < 1e-9, name);
        QVERIFY(std::abs(exact["Saturation fit Bmax"][0].toDouble() - 10) < 1e-9);
        QCOMPARE(exact["Saturation fit Bmax"][1], QStringLiteral("nM"));
        QVERIFY(std::abs(exact["Saturation fit R squared"][0].toDouble() - 1) < 1e-12);
        QCOMPARE(exact["Saturation fit degrees of freedom"][0], QStringLiteral("2"));

        // Too few pairs for either: the reasons, commas and all, in one cell each.
        const QMap<QString, QStringList> none = resultsOf(
            QString::fromStdString(ScatchardCsv::Text({1, 2}, {1, 0.5}, QStringLiteral("nM"))));
        QCOMPARE(none["Saturation fit"][5],
                 QStringLiteral("The curve fit needs at least three data points (Bound, Bound/Free)."));
        QCOMPARE(none["Scatchard line"][0], QString());

        QByteArray bytes = text.toUtf8();
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const PairsReader::Result pairs = PairsReader::Read(buffer);
        QCOMPARE(int(pairs.stop), int(PairsReader::Stop::EndOfData));
        QCOMPARE(int(pairs.pairs.size()), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(pairs.pairs[i].bound, bound[i]);
            QCOMPARE(pairs.pairs[i].ratio, ratio[i]);
        }
    }
};

VORNISH_TEST(ExchangeFileTest)

#include "tst_exchange_files.moc"
