#include "ExchangeTesting.h"
#include "TestFixture.h"
#include "TestMain.h"

#include "dynamic/ResultsStore.h"
#include "exchange/CsvText.h"
#include "exchange/PairsReader.h"
#include "exchange/ResultsCsv.h"
#include "exchange/ScatchardCsv.h"
#include "platform/NumberText.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>

namespace {

// Python reads the CSV with its csv module and float(), the results file
// with its own sqlite3 module, and compares every cell bit for bit with the
// stored value divided and multiplied as the column says.
const QString kCompareWithResultsFile = QStringLiteral(R"(
import csv, sqlite3, struct, sys
path, db, columnsWanted = sys.argv[1], sys.argv[2], sys.argv[3:]
rows = list(csv.reader(open(path, newline='', encoding='utf-8')))
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
        QCOMPARE(CsvText::parse(QString::fromStdString(record), QLatin1Char(',')), QList<QStringList>{texts});

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
        const ResultsCsv::Result run = ResultsCsv::Write(db, csv, ResultsCsv::RunColumns("min.", 60, "nM", 1e-9));
        QCOMPARE(int(run.outcome), int(ResultsCsv::Outcome::Written));
        QCOMPARE(run.rows, qint64(1000));
        const QStringList runColumns{"A",     "0",  "60",    "1", "A",     "1", "1e-09", "1", "A",     "2",
                                     "1e-09", "60", "B",     "1", "1e-09", "1", "B",     "2", "1e-09", "60",
                                     "AB",    "1",  "1e-09", "1", "AB",    "2", "1e-09", "60"};
        QCOMPARE(runPython(kCompareWithResultsFile, QStringList{csv, db} + runColumns),
                 QStringLiteral("ok 1000 Time (min.)|[A] (nM)|d[A]/dt (nM/min.)|[B] (nM)|d[B]/dt (nM/min.)|"
                                "[A/B] (nM)|d[A/B]/dt (nM/min.)"));

        ResultsCsv::Write(db, csv, ResultsCsv::StoredTableColumns(modVornish::ResultsTable::B));
        QCOMPARE(runPython(kCompareWithResultsFile,
                           {csv, db, "B", "0", "1", "1", "B", "1", "1", "1", "B", "2", "1", "1"}),
                 QStringLiteral("ok 1000 Time (s)|Concentration (M)|Rate (dC/dt) (M/s)"));
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
        const ResultsCsv::Result cancelled = ResultsCsv::Write(
            db, csv, ResultsCsv::StoredTableColumns(modVornish::ResultsTable::A), [&reported](qint64 done, qint64) {
                reported = done;
                return false;
            });
        QCOMPARE(int(cancelled.outcome), int(ResultsCsv::Outcome::Cancelled));
        QVERIFY(reported > 0 && reported < 40000);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"run.csv"});

        const QString blocked = unwritableFolder() + QStringLiteral("/run.csv");
        const ResultsCsv::Result failed =
            ResultsCsv::Write(db, blocked, ResultsCsv::StoredTableColumns(modVornish::ResultsTable::A));
        QCOMPARE(int(failed.outcome), int(ResultsCsv::Outcome::Failed));
        QVERIFY(!failed.reason.isEmpty());
        QVERIFY(!QFile::exists(blocked));
    }

    void scatchardCsvCarriesTheFitAndReadsBack()
    {
        // Bound 1, 2, 3 with Bound/Free 1, 0.5, 0.1: by hand, slope -0.45,
        // intercept 43/30, SE of the slope sqrt(1/1200), Kd 20/9, and with
        // t(df 1) = 12.7062 the interval 1/(0.45 -/+ t SE).
        const std::vector<double> bound{1, 2, 3}, ratio{1.0, 0.5, 0.1};
        const QString text = QString::fromStdString(ScatchardCsv::Text(bound, ratio, QStringLiteral("nM")));
        QMap<QString, double> fit;
        for (const QString &line : text.split(QStringLiteral("\r\n"))) {
            const int colon = line.indexOf(QLatin1Char(':'));
            if (line.startsWith(QLatin1Char('#')) && colon > 0)
                fit[line.mid(2, colon - 2)] = line.mid(colon + 2).section(' ', 0, 0).toDouble();
        }
        const double se = std::sqrt(1.0 / 1200);
        QVERIFY(std::abs(fit["Slope"] + 0.45) < 1e-15);
        QVERIFY(std::abs(fit["Intercept"] - 43.0 / 30) < 1e-15);
        QVERIFY(std::abs(fit["SE of slope"] - se) < 1e-15);
        QCOMPARE(fit["df"], 1.0);
        QVERIFY(std::abs(fit["Kd"] - 20.0 / 9) < 1e-14);
        QVERIFY(std::abs(fit["Kd 95% confidence interval, low"] - 1 / (0.45 + 12.7062 * se)) < 1e-13);
        QVERIFY(std::abs(fit["Kd 95% confidence interval, high"] - 1 / (0.45 - 12.7062 * se)) < 1e-12);

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
