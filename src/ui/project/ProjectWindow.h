#pragma once

#include "project/ProjectContent.h"

#include <QHash>
#include <QString>

#include <functional>

class QTableWidget;
class QWidget;

// How a window joins the project in one line: its named controls are its
// state. Text fields, lists, check and option buttons, text boxes, grids
// (a data table each, named as the grid or as tables says) and the output
// labels ("lblOutput...") are saved and restored, with the window's place
// and whether it is shown; the user's edits mark the project changed.
//
//     ProjectWindow::Join(this, QStringLiteral("equilibrium"));
//
// A window with more state than its controls gives and takes it with
// extras; afterTake runs once the controls are restored (to redraw, or to
// publish what the restored controls say).
namespace ProjectWindow {

struct Extras
{
    QHash<QString, QString> tableNames; // grid objectName -> data table name
    std::function<void(Project::PartState &state)> give;
    std::function<void(const Project::PartState &state)> afterTake;
    // The controls are set with their signals blocked: for a window whose
    // controls act at once when changed (and afterTake publishes them).
    bool quietly = false;
};

void Join(QWidget *window, const QString &part, Extras extras = {});

// A grid's headings and cells as a data table, rows left empty at the end left out.
Project::DataTable TableOf(const QTableWidget &grid, const QString &name);

// Extras that only name the window's data tables.
Extras TablesNamed(QHash<QString, QString> tableNames);

// The state of window's named controls, and the controls set from one.
Project::PartState Capture(const QWidget &window, const Extras &extras = {});
void Restore(QWidget &window, const Project::PartState &state, const Extras &extras = {});

} // namespace ProjectWindow
