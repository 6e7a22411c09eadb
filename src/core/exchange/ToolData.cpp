#include "exchange/ToolData.h"

#include <QHash>
#include <QObject>

namespace ToolData {
namespace {

QHash<const QObject *, WindowRegistration> &windows()
{
    static QHash<const QObject *, WindowRegistration> registered;
    return registered;
}

struct Providers
{
    ScatchardRows scatchardRows;
    ScatchardEntry scatchardEntry;
    std::function<modVornish::ResultsTable()> shownTable;
};

Providers &providers()
{
    static Providers registered;
    return registered;
}

} // namespace

void RegisterWindow(const QObject *window, Source source, Role role)
{
    windows().insert(window, {source, role});
    QObject::connect(window, &QObject::destroyed, [window] { windows().remove(window); });
}

WindowRegistration WindowOf(const QObject *window)
{
    return windows().value(window);
}

void SetScatchardData(const QObject *window, ScatchardRows rows, ScatchardEntry entry)
{
    providers().scatchardRows = std::move(rows);
    providers().scatchardEntry = std::move(entry);
    QObject::connect(window, &QObject::destroyed, [] {
        providers().scatchardRows = nullptr;
        providers().scatchardEntry = nullptr;
    });
}

QList<modStatistics::DataRowText> ScatchardDataRows()
{
    return providers().scatchardRows ? providers().scatchardRows() : QList<modStatistics::DataRowText>();
}

bool EnterScatchardData(const QList<QStringList> &cells)
{
    if (!providers().scatchardEntry)
        return false;
    providers().scatchardEntry(cells);
    return true;
}

void SetShownResultsTable(const QObject *window, std::function<modVornish::ResultsTable()> shown)
{
    providers().shownTable = std::move(shown);
    QObject::connect(window, &QObject::destroyed, [] { providers().shownTable = nullptr; });
}

modVornish::ResultsTable ShownResultsTable()
{
    return providers().shownTable ? providers().shownTable() : modVornish::ResultsTable::A;
}

} // namespace ToolData
