#include "exchange/ToolData.h"

#include <QHash>
#include <QObject>

#include <map>

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
    std::map<Source, std::pair<std::function<void()>, std::function<void()>>> dataCommands; // export, open
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

void SetDataCommands(const QObject *window, Source source, std::function<void()> exportData,
                     std::function<void()> openData)
{
    providers().dataCommands[source] = {std::move(exportData), std::move(openData)};
    QObject::connect(window, &QObject::destroyed, [source] { providers().dataCommands.erase(source); });
}

bool ExportDataOf(Source source)
{
    const auto found = providers().dataCommands.find(source);
    if (found == providers().dataCommands.end() || !found->second.first)
        return false;
    const std::function<void()> command = found->second.first; // the command may replace the registration
    command();
    return true;
}

bool OpenDataOf(Source source)
{
    const auto found = providers().dataCommands.find(source);
    if (found == providers().dataCommands.end() || !found->second.second)
        return false;
    const std::function<void()> command = found->second.second;
    command();
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
