#pragma once

#include <QString>

// Panel 1 and panel 2 of the main window's status bar, kept in the
// Session: the main window shows them when it exists.
namespace StatusText {

void set(const QString &text);
void clear();
QString current();

void setPanel2(const QString &text);
QString panel2();

} // namespace StatusText
