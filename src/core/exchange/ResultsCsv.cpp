#include "exchange/ResultsCsv.h"

#include "exchange/CsvText.h"
#include "platform/DatabaseConnection.h"
#include "platform/RuntimeFault.h"
#include "platform/SavedFile.h"

#include <QIODevice>

#include <memory>

namespace ResultsCsv {
namespace {

using modVornish::ResultsTable;

// Rows between two progress reports, and the bytes gathered before a write.
constexpr qint64 rowsPerReport = 32768;
constexpr size_t bytesPerWrite = 1 << 20;

const ResultsTable allTables[] = {ResultsTable::A, ResultsTable::B, ResultsTable::AB};

// The open statements of the tables the columns read, stepped together.
struct TableScan
{
    std::unique_ptr<DatabaseStatement> statement[3];
    std::vector<std::pair<int, int>> cells; // per column: table index, column index

    TableScan(DatabaseConnection &db, const std::vector<Column> &columns)
    {
        for (const Column &column : columns) {
            const int t = int(column.table);
            if (!statement[t])
                statement[t] = std::make_unique<DatabaseStatement>(db, modVornish::ResultsQuery(column.table));
            const int index = statement[t]->columnIndex(column.field);
            if (index < 0)
                throw RuntimeFault(3265, QStringLiteral("Item not found in this collection: ") + column.field);
            cells.emplace_back(t, index);
        }
    }

    // Steps every table; false when one of them has no more rows.
    bool next()
    {
        bool more = true;
        for (auto &s : statement)
            if (s && !s->step())
                more = false;
        return more;
    }
};

qint64 rowCount(DatabaseConnection &db, ResultsTable table)
{
    const QString query = modVornish::ResultsQuery(table);
    DatabaseStatement count(db, QStringLiteral("select count(*) from (") + query + QLatin1Char(')'));
    count.step();
    return qint64(count.columnDouble(0));
}

bool flush(QIODevice &device, std::string &buffer)
{
    const bool written = device.write(buffer.data(), qint64(buffer.size())) == qint64(buffer.size());
    buffer.clear();
    return written;
}

} // namespace

std::vector<Column> TableColumns(ResultsTable table, const Units &units)
{
    using namespace modVornish;
    const QString names[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A/B")};
    const QString name = names[int(table)];
    const QString rateUnit = units.concentration + QLatin1Char('/') + units.time;
    return {{table, TimeField, QStringLiteral("Time (%1)").arg(units.time), units.secondsPerUnit},
            {table, ConcentrationField, QStringLiteral("[%1] (%2)").arg(name, units.concentration), units.molarPerUnit},
            {table, RateField, QStringLiteral("d[%1]/dt (%2)").arg(name, rateUnit), units.molarPerUnit,
             units.secondsPerUnit}};
}

std::vector<Column> RunColumns(const Units &units)
{
    std::vector<Column> columns{TableColumns(ResultsTable::A, units).front()};
    for (const ResultsTable table : allTables) {
        const std::vector<Column> species = TableColumns(table, units);
        columns.insert(columns.end(), species.begin() + 1, species.end());
    }
    return columns;
}

Result Write(const QString &resultsPath, const QString &csvPath, const std::string &preamble,
             const std::vector<Column> &columns, const Progress &progress)
{
    Result result;
    bool cancelled = false;
    QString readFailure;
    const QString failure = writeWholeFile(csvPath, [&](QIODevice &device) {
        try {
            DatabaseConnection &db = DatabaseConnection::shared();
            db.open(resultsPath, false);
            const qint64 total = rowCount(db, columns.front().table);
            TableScan scan(db, columns);
            QStringList headings;
            for (const Column &column : columns)
                headings << column.heading;
            std::string buffer = preamble + CsvText::record(headings);
            buffer.reserve(bytesPerWrite + 4096);
            while (scan.next()) {
                for (size_t c = 0; c < columns.size(); ++c) {
                    if (c > 0)
                        buffer += ',';
                    const auto [table, index] = scan.cells[c];
                    const double stored = scan.statement[table]->columnDouble(index);
                    CsvText::appendNumber(buffer, stored / columns[c].divisor * columns[c].multiplier);
                }
                CsvText::endRecord(buffer);
                ++result.rows;
                if (buffer.size() >= bytesPerWrite && !flush(device, buffer))
                    return false;
                if (result.rows % rowsPerReport == 0 && progress && !progress(result.rows, total)) {
                    cancelled = true;
                    return false;
                }
            }
            if (progress)
                progress(result.rows, total);
            return flush(device, buffer);
        } catch (const RuntimeFault &fault) {
            readFailure = QStringLiteral("The results file could not be read: ") + fault.description();
            return false;
        }
    });
    if (cancelled) {
        result.outcome = Outcome::Cancelled;
    } else if (!failure.isEmpty() || !readFailure.isEmpty()) {
        result.outcome = Outcome::Failed;
        result.reason = readFailure.isEmpty() ? failure : readFailure;
    }
    return result;
}

} // namespace ResultsCsv
