#include "FileSizeLimit.h"
#include "TestFixture.h"
#include "TestMain.h"

#include "dynamic/ResultsStore.h"
#include "graphing/DisplayList.h"
#include "project/GraphRecord.h"
#include "project/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

using Row = std::vector<double>;

// Every row of a results table, read by Qt Sql apart from the program's connection.
std::vector<Row> rowsOf(const QString &path, const QString &table)
{
    std::vector<Row> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        if (!db.open())
            return rows;
        QSqlQuery query(db);
        query.exec(QStringLiteral("select * from [%1]").arg(table));
        while (query.next())
            rows.push_back({query.value(0).toDouble(), query.value(1).toDouble(), query.value(2).toDouble()});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}

void execute(const QString &path, const QString &sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(sql));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("edit"));
}

Project::Content sampleContent()
{
    Project::Content content;
    Project::PartState &tool = content[QStringLiteral("scatchard")];
    tool.values.insert(QStringLiteral("lblOutputKd"), QStringLiteral("10.2 nM"));
    tool.values.insert(QStringLiteral("note"), QStringLiteral("ünïcode, \"quotes\" and a\nline break"));
    tool.tables.append({QStringLiteral("Scatchard"),
                        {QStringLiteral("Bound"), QStringLiteral("Bound/Free")},
                        {{QStringLiteral("1"), QStringLiteral("0,9")}, {QStringLiteral(""), QStringLiteral("x")}}});
    content[QStringLiteral("graph")].binary = QByteArray("\0\1\2 bytes", 10);
    return content;
}

// Results with values a text round trip would change.
QString writeResults(const QString &folder, int samples)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("Temp.mdb"));
    modVornish::ResetResultsDatabase(path);
    {
        modVornish::ResultsAppender appender(path);
        for (int i = 0; i < samples; ++i)
            appender.AppendResultRecord(
                {i / 3.0, 1e-9 / (i + 7), 1e-300 * i, 2e-9 / 3, -0.1, std::nextafter(1.0, 2.0) / (i + 3), -1e-20});
        appender.finish();
    }
    modVornish::ReleaseResultsFile();
    return path;
}

} // namespace

class ProjectFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }

private slots:
    void init() { TestFixture::resetFolders(); }

    void contentAndResultsComeBackExactly()
    {
        const QString results = writeResults(folder.path(), 500);
        const QString project = path("round.vornish");
        QCOMPARE(Project::Write(project, sampleContent(), results), QString());
        const Project::Opened opened = Project::Read(project);
        QCOMPARE(int(opened.problem), int(Project::Problem::None));
        QVERIFY(opened.content == sampleContent());
        QVERIFY(opened.hasResults);
        QVERIFY(Project::FindTable(opened.content, QStringLiteral("Scatchard")));
        QCOMPARE(Project::TableNames(opened.content), QStringList{QStringLiteral("Scatchard")});

        // The project stands alone: the results come back after the results file is gone.
        QVERIFY(QFile::remove(results));
        QCOMPARE(Project::RestoreResults(project, results), QString());
        for (const char *table : {"A", "B", "AB"}) {
            const std::vector<Row> rows = rowsOf(results, QLatin1String(table));
            QCOMPARE(rows.size(), size_t(500));
        }
        const std::vector<Row> a = rowsOf(results, QStringLiteral("A"));
        QCOMPARE(a[499][0], 499 / 3.0);
        QCOMPARE(a[499][1], 1e-9 / 506);
        QCOMPARE(a[499][2], 1e-300 * 499);
        QCOMPARE(rowsOf(results, QStringLiteral("B"))[3][1], 2e-9 / 3);

        // A project without results stays without: the results file is not its own.
        QCOMPARE(Project::Write(project, sampleContent(), path("absent.mdb")), QString());
        QVERIFY(!Project::Read(project).hasResults);
    }

    void theFormatOneFixtureOpens()
    {
        const Project::Opened opened = Project::Read(QStringLiteral(VORNISH_PROJECT_FIXTURES "/format1.vornish"));
        QCOMPARE(int(opened.problem), int(Project::Problem::None));
        QCOMPARE(opened.content.value("equilibrium").values.value("txtKd").toString(), QStringLiteral("1"));
        const Project::DataTable *table = Project::FindTable(opened.content, QStringLiteral("Scatchard"));
        QVERIFY(table);
        QCOMPARE(table->rows.value(2), (QStringList{"3", "0.72"}));
        QVERIFY(opened.hasResults);
        const QString results = path("fixture.mdb");
        QCOMPARE(Project::RestoreResults(QStringLiteral(VORNISH_PROJECT_FIXTURES "/format1.vornish"), results),
                 QString());
        QVERIFY(rowsOf(results, QStringLiteral("AB")).at(1) == (Row{60, 1e-9, 2e-11}));
    }

    void badFilesAreToldApart()
    {
        const QString project = path("bad.vornish");
        QCOMPARE(Project::Write(project, sampleContent(), QString()), QString());
        const QByteArray good = [&] {
            QFile f(project);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        const auto writeBytes = [&](const QByteArray &bytes) {
            QFile f(project);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        };
        const auto problem = [&] { return int(Project::Read(project).problem); };

        execute(project,
                QStringLiteral("update project set value = '%1' where key = 'format'").arg(Project::FormatVersion + 1));
        QCOMPARE(problem(), int(Project::Problem::Newer));
        QCOMPARE(Project::Read(project).detail, QString::number(Project::FormatVersion + 1));

        writeBytes("Bound,Bound/Free\n1,2\n");
        QCOMPARE(problem(), int(Project::Problem::NotProject));
        writeBytes(QByteArray());
        QCOMPARE(problem(), int(Project::Problem::NotProject));
        // Some other program's database (a results file) is not a project either.
        QCOMPARE(int(Project::Read(writeResults(path("other"), 3)).problem), int(Project::Problem::NotProject));

        // Damage where the tables are kept, and a file cut short.
        QByteArray garbled = good;
        for (int i = 100; i < garbled.size(); i += 7)
            garbled[i] = char(0xA5);
        writeBytes(garbled);
        QCOMPARE(problem(), int(Project::Problem::Damaged));
        writeBytes(good.left(good.size() / 2));
        QCOMPARE(problem(), int(Project::Problem::Damaged));
        QCOMPARE(Project::Write(path("json.vornish"), sampleContent(), QString()), QString());
        execute(path("json.vornish"), QStringLiteral("update parts set [values] = '{not json'"));
        QCOMPARE(int(Project::Read(path("json.vornish")).problem), int(Project::Problem::Damaged));

        QCOMPARE(int(Project::Read(path("missing.vornish")).problem), int(Project::Problem::Missing));
    }

    void aFullDiskKeepsTheEarlierProject()
    {
        const QString results = writeResults(folder.path(), 20000);
        const QString project = path("full.vornish");
        QCOMPARE(Project::Write(project, sampleContent(), QString()), QString());
        const QByteArray before = [&] {
            QFile f(project);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QString failure;
        {
            FileSizeLimit limit(200 * 1024);
            failure = Project::Write(project, sampleContent(), results);
        }
        QVERIFY(!failure.isEmpty());
        QFile after(project);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        // No temporary file is left beside it.
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral(".full.vornish*")}, QDir::Hidden | QDir::Files),
                 QStringList());
        // Restoring results that do not fit keeps the results file.
        QCOMPARE(Project::Write(project, sampleContent(), results), QString());
        {
            FileSizeLimit limit(200 * 1024);
            QVERIFY(!Project::RestoreResults(project, results).isEmpty());
        }
        QCOMPARE(rowsOf(results, QStringLiteral("A")).size(), size_t(20000));
    }

    void aRecordedGraphIsDrawnAgainItemForItem()
    {
        DisplayList drawn;
        drawn.setLineWidth(3);
        drawn.drawLine({10, 20}, {1000.5, 20}, Qt::red);
        drawn.drawCircle({50, 60}, 25, Qt::blue, true, QColor(0x12, 0x34, 0x56), 2);
        drawn.setFont(QStringLiteral("Arial"), 12, true);
        drawn.setPenPosition({300, 400});
        drawn.printText(QStringLiteral("Kd = 5 nM"), false);
        drawn.setLineWidth(1);
        drawn.drawBox({1, 2}, {3, 4}, Qt::black, false, Qt::white);
        drawn.drawPoint({7, 8}, Qt::green);

        DisplayList replayed;
        replayed.drawLine({0, 0}, {1, 1}, Qt::black); // cleared first
        QVERIFY(Project::ReplayDisplayList(Project::RecordDisplayList(drawn), replayed));
        QCOMPARE(replayed.items().size(), drawn.items().size());
        for (size_t i = 0; i < drawn.items().size(); ++i) {
            const DisplayItem &a = drawn.items()[i], &b = replayed.items()[i];
            QVERIFY(std::tuple(a.kind, a.filled, a.lineWidth, a.x1, a.y1, a.x2, a.y2, a.color, a.fill)
                    == std::tuple(b.kind, b.filled, b.lineWidth, b.x1, b.y1, b.x2, b.y2, b.color, b.fill));
            QCOMPARE(drawn.textOf(a), replayed.textOf(b));
            QVERIFY(drawn.fontOf(a) == replayed.fontOf(b));
        }
        // Bytes that are not a recorded list draw nothing.
        QVERIFY(!Project::ReplayDisplayList(QByteArray("not a graph"), replayed));
        QCOMPARE(replayed.items().size(), drawn.items().size());
        QByteArray cut = Project::RecordDisplayList(drawn);
        cut.chop(9);
        QVERIFY(!Project::ReplayDisplayList(cut, replayed));
    }
};

VORNISH_TEST(ProjectFileTest)
#include "tst_project_file.moc"
