#pragma once

#include "session/GraphPreferences.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class DrawingSurface;

// What the report prints after a tool's list: its data, its fits with
// their intervals, the settings and events of a simulation. Each section
// is a bold title over rows of cells (the first row of a table its
// headings), one cell a column.
struct ReportSection
{
    QString title;
    QList<QStringList> rows;
};

namespace ReportDetails {

// Each tool window registers the sections it gives, from what it shows.
using Source = std::function<QList<ReportSection>()>;

// A long text as lines of at most characters, broken between words: a
// section's cell does not wrap by itself.
QStringList WrappedLines(const QString &text, int characters);
void SetDetailsSource(modPlot_Graph::ToolCode tool, Source source);
QList<ReportSection> DetailsOf(modPlot_Graph::ToolCode tool);

// Prints the sections from y down, in columns from x; a line that would
// pass pageBottom starts the next page, which newPage() gives (its top is
// pageTop). Returns where the next line would go.
double PrintSections(const QList<ReportSection> &sections, double x, double y, double pageTop, double pageBottom,
                     const std::function<DrawingSurface &()> &newPage, DrawingSurface *&page);

} // namespace ReportDetails
