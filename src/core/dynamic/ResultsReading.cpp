#include "dynamic/ResultsReading.h"

#include "dynamic/ResultsStore.h"
#include "platform/DatabaseConnection.h"
#include "platform/RuntimeFault.h"

#include <QRegularExpression>

namespace modVornish {
namespace {

// The table a query reads: the name in brackets after "from".
QString tableOfQuery(const QString &query)
{
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+\\[([^\\]]+)\\]"),
                                         QRegularExpression::CaseInsensitiveOption);
    return from.match(query).captured(1);
}

bool tableExists(DatabaseConnection &db, const QString &table)
{
    DatabaseStatement lookup(db, QStringLiteral("select count(*) from sqlite_master where type = 'table' "
                                                "and name = '%1' collate nocase")
                                     .arg(QString(table).replace(QLatin1Char('\''), QStringLiteral("''"))));
    lookup.step();
    return lookup.columnDouble(0) > 0;
}

// The statement of query, or null when the table it reads is not there.
std::unique_ptr<DatabaseStatement> openQuery(const QString &path, const QString &query)
{
    DatabaseConnection &db = DatabaseConnection::shared();
    db.open(path, false);
    if (!tableExists(db, tableOfQuery(query)))
        return nullptr;
    return std::make_unique<DatabaseStatement>(db, query);
}

int requiredColumn(const DatabaseStatement &statement, const QString &field)
{
    const int column = statement.columnIndex(field);
    if (column < 0)
        throw RuntimeFault(3265, QStringLiteral("Item not found in this collection: ") + field);
    return column;
}

} // namespace

ResultsReader::ResultsReader(const QString &path, const QString &query, const QString &valueField)
    : m_statement(openQuery(path, query))
{
    if (!m_statement)
        return;
    m_timeColumn = requiredColumn(*m_statement, TimeField);
    m_valueColumn = requiredColumn(*m_statement, valueField);
}

ResultsReader::~ResultsReader() = default;

bool ResultsReader::next()
{
    return m_statement && m_statement->step();
}

double ResultsReader::time() const
{
    return m_statement->columnDouble(m_timeColumn);
}

double ResultsReader::value() const
{
    return m_statement->columnDouble(m_valueColumn);
}

bool IsResultsTableEmpty(const QString &path, const QString &query)
{
    const std::unique_ptr<DatabaseStatement> statement = openQuery(path, query);
    return !statement || !statement->step();
}

} // namespace modVornish

namespace modPlot_Graph {

void ScanFieldRange(const QString &path, const QString &query, const QString &field, double &minimum, double &maximum)
{
    modVornish::ResultsReader reader(path, query, field);
    if (!reader.next())
        return;
    double low = reader.value();
    double high = low;
    do {
        const double v = reader.value();
        if (v < low)
            low = v;
        if (v > high)
            high = v;
    } while (reader.next());
    minimum = low;
    maximum = high;
}

} // namespace modPlot_Graph
