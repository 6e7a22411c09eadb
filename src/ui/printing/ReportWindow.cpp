#include "printing/ReportWindow.h"

#include "project/ProjectWindow.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace ReportWindow {

ReportSection TableSection(const QString &title, const QTableWidget &grid)
{
    const Project::DataTable table = ProjectWindow::TableOf(grid, title);
    ReportSection section{title, {table.columns}};
    for (const QStringList &row : table.rows)
        if (!row.join(QString()).trimmed().isEmpty())
            section.rows << row;
    return section;
}

QList<ReportSection> FrameSections(const QWidget &window, const QStringList &skip)
{
    QList<ReportSection> sections;
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>()) {
        if (skip.contains(frame->objectName()) || !frame->isVisibleTo(&window))
            continue;
        QList<const QLabel *> labels;
        bool hasOutput = false;
        for (const QLabel *label : frame->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(frame) || label->text().trimmed().isEmpty())
                continue;
            labels << label;
            hasOutput = hasOutput || label->objectName().startsWith(QLatin1String("lblOutput"));
        }
        if (!hasOutput)
            continue;
        // Line by line as shown: labels whose middles are less than half a
        // label's height apart stand on one line, read from the left.
        struct Placed
        {
            QPoint middle;
            int halfHeight;
            QString text;
        };
        std::vector<Placed> placed;
        for (const QLabel *label : labels)
            placed.push_back(
                {label->mapTo(frame, label->rect().center()), label->height() / 2, label->text().simplified()});
        std::sort(placed.begin(), placed.end(),
                  [](const Placed &a, const Placed &b) { return a.middle.y() < b.middle.y(); });
        std::vector<std::vector<Placed>> lines;
        for (const Placed &label : placed) {
            if (lines.empty() || label.middle.y() - lines.back().front().middle.y() > label.halfHeight)
                lines.emplace_back();
            lines.back().push_back(label);
        }
        ReportSection section{frame->title(), {}};
        for (std::vector<Placed> &line : lines) {
            std::sort(line.begin(), line.end(),
                      [](const Placed &a, const Placed &b) { return a.middle.x() < b.middle.x(); });
            QStringList cells;
            for (const Placed &label : line)
                cells << label.text;
            section.rows << cells;
        }
        sections << section;
    }
    return sections;
}

} // namespace ReportWindow
