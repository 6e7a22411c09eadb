#pragma once

class QObject;

// The session's share of a project: the preferred units and which tool
// drew the graph. It joins before the windows, so that their fields are
// restored under the units they were saved in.
namespace Project {

void JoinSession(const QObject *owner);

} // namespace Project
