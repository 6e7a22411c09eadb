#pragma once

#include "dynamic/ResultsStore.h"
#include "scatchard/ScatchardInput.h"

#include <QList>
#include <QStringList>

#include <functional>

class QObject;

// What the data exchange and the report may ask of the tools: which tool a
// window belongs to, the Scatchard window's data and the results browser's
// table. Each window registers what it gives when it is made, so the
// commands that read it know the tools' data, not their windows.
namespace ToolData {

enum class Source {
    None,
    Equilibrium,
    Scatchard,
    Dynamic,
    ResultsTable,
    Graph,
    Saturation,
    Competition,
    KineticsFit,
    Planner
};
// A tool's own window, or a companion of it (an assistant) that exports the
// tool's data but prints no report of its own.
enum class Role { Tool, Companion };

struct WindowRegistration
{
    Source source = Source::None;
    Role role = Role::Tool;
};

// The registration lasts as long as the window.
void RegisterWindow(const QObject *window, Source source, Role role = Role::Tool);
// None for a window that never registered.
WindowRegistration WindowOf(const QObject *window);

// A provider lasts as long as the window that set it.
//
// The Scatchard window's data rows as typed (an edit in progress committed
// first), and new rows entered as the user would: the form cleared, the
// cells filled from row 1, the window in front.
using ScatchardRows = std::function<QList<modStatistics::DataRowText>()>;
using ScatchardEntry = std::function<void(const QList<QStringList> &cells)>;
void SetScatchardData(const QObject *window, ScatchardRows rows, ScatchardEntry entry);
// No rows, and false for an entry, without a Scatchard window.
QList<modStatistics::DataRowText> ScatchardDataRows();
bool EnterScatchardData(const QList<QStringList> &cells);

// A tool's own Export Data as CSV... and Open Data..., set by windows whose
// data no other command reads; false without one.
void SetDataCommands(const QObject *window, Source source, std::function<void()> exportData,
                     std::function<void()> openData);
bool ExportDataOf(Source source);
bool OpenDataOf(Source source);

// The results table the browser shows; table A without a browser.
void SetShownResultsTable(const QObject *window, std::function<modVornish::ResultsTable()> shown);
modVornish::ResultsTable ShownResultsTable();

} // namespace ToolData
