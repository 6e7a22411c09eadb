#pragma once

#include <QByteArray>

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

} // namespace Project
