#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn at run time: toolbar icons, the start
// menu buttons, the splash picture and the waiting arrows.
namespace ToolIcons {

// The toolbar icon of a button key ("New", "Print", "Cut", "Copy", "Paste",
// "Vornish", "Scatchard Analysis", "DynamVn", "Kinetics Fit").
QIcon icon(const QString &key);

// A larger picture of a tool for the start menu: "Vornish",
// "Scatchard Analysis", "DynamVn" or "Kinetics Fit".
QPixmap toolPicture(const QString &key, int size);

QPixmap splashPicture(const QSize &size);

// The waiting arrow turned by quarter turns (0 to 3).
QPixmap arrow(int quarterTurns, int size);

} // namespace ToolIcons
