#include "printing/ReportDetails.h"

#include "graphing/DrawingSurface.h"

#include <algorithm>
#include <map>

namespace ReportDetails {

QStringList WrappedLines(const QString &text, int characters)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > characters) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

namespace {

std::map<modPlot_Graph::ToolCode, Source> &sources()
{
    static std::map<modPlot_Graph::ToolCode, Source> registered;
    return registered;
}

constexpr double ColumnGap = 300;  // twips between columns
constexpr double SectionGap = 0.5; // lines between sections
constexpr double MinimumColumn = 1400;

void setFont(DrawingSurface &page, bool bold)
{
    page.setFont(QStringLiteral("Arial"), 9, bold);
}

// The left edge of each column: as wide as its widest cell.
std::vector<double> columnEdges(DrawingSurface &page, const ReportSection &section, double x)
{
    std::vector<double> widths;
    for (const QStringList &row : section.rows)
        for (int c = 0; c < row.size(); ++c) {
            if (size_t(c) >= widths.size())
                widths.push_back(MinimumColumn);
            widths[size_t(c)] = std::max(widths[size_t(c)], page.textWidth(row[c]) + ColumnGap);
        }
    std::vector<double> edges;
    for (double width : widths) {
        edges.push_back(x);
        x += width;
    }
    return edges;
}

} // namespace

void SetDetailsSource(modPlot_Graph::ToolCode tool, Source source)
{
    sources()[tool] = std::move(source);
}

QList<ReportSection> DetailsOf(modPlot_Graph::ToolCode tool)
{
    const auto found = sources().find(tool);
    return found != sources().end() && found->second ? found->second() : QList<ReportSection>();
}

double PrintSections(const QList<ReportSection> &sections, double x, double y, double pageTop, double pageBottom,
                     const std::function<DrawingSurface &()> &newPage, DrawingSurface *&page)
{
    const auto line = [&](bool bold) {
        setFont(*page, bold);
        const double height = page->textHeight();
        if (y + height > pageBottom) {
            page = &newPage();
            setFont(*page, bold);
            y = pageTop;
        }
        const double top = y;
        y += height;
        return top;
    };
    for (const ReportSection &section : sections) {
        setFont(*page, false);
        y += page->textHeight() * SectionGap;
        page->setPenPosition({x, line(true)});
        page->printText(section.title, false);
        setFont(*page, false);
        const std::vector<double> edges = columnEdges(*page, section, x);
        for (const QStringList &row : section.rows) {
            const double top = line(false);
            for (int c = 0; c < row.size(); ++c) {
                page->setPenPosition({edges[size_t(c)], top});
                page->printText(row[c], false);
            }
        }
    }
    return y;
}

} // namespace ReportDetails
