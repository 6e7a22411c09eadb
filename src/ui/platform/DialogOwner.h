#pragma once

class QWidget;

// The window a dialog shown now belongs to, so that it opens over the window
// the user was working in and not in the middle of the screen: the active
// window; when none is active, as for a moment after another dialog closed,
// the last window that was, while it is shown; failing that, the program's
// main window.
namespace DialogOwner {

// Starts remembering the windows that become active; once the application
// exists, before the first dialog.
void startWatching();

QWidget *current();

} // namespace DialogOwner
