#pragma once

#include <QString>

// Panel 1 and panel 2 of the main window's status bar. Without a main
// window (a tool tested alone) the texts are kept but not shown.
namespace StatusText {

void set(const QString &text);
void clear();
QString current();

void setPanel2(const QString &text);
QString panel2();

} // namespace StatusText
