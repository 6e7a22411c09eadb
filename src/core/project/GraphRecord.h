#pragma once

#include <QByteArray>
#include <QJsonArray>

class DisplayList;
class DrawingSurface;

// A graph kept in a project: its display list as bytes, and drawn again on
// a surface from them, so that the reopened graph is the one that was saved
// (superimposed curves included), not a new plot.
namespace Project {

QByteArray RecordDisplayList(const DisplayList &list);

// Draws the recorded items on surface, which is cleared first. False (and
// nothing drawn) when the bytes are not a recorded list.
bool ReplayDisplayList(const QByteArray &bytes, DrawingSurface &surface);

// The curves the graph holds (their legend names and parameters), and the
// graph told of them again; anything not a recorded curve is left out.
QJsonArray RecordGraphCurves();
void ReplayGraphCurves(const QJsonArray &curves);

} // namespace Project
