#pragma once

#include "printing/ReportDetails.h"

class QTableWidget;
class QWidget;

// Report sections made from what a window shows, for the windows' details
// sources.
namespace ReportWindow {

// A data grid as a table: its headings, then every row that holds something.
ReportSection TableSection(const QString &title, const QTableWidget &grid);

// Each shown frame of window that holds outputs ("lblOutput..." labels with
// a text), titled as the frame and laid out as it is shown: the labels of
// one line side by side. Frames named in skip are left out (their outputs
// are in the tool's list already).
QList<ReportSection> FrameSections(const QWidget &window, const QStringList &skip = {});

} // namespace ReportWindow
