#pragma once

class QMainWindow;

// The project in the main window: the File menu's New Project, Open
// Project..., Open Recent, Save Project and Save Project As..., the caption
// with the project's name and modified mark, and the graph and the Options
// window as parts of the project.
namespace ProjectCommands {

// Once every window is built; the project then starts from what they show.
void Attach(QMainWindow &main);

} // namespace ProjectCommands
