#pragma once

class QString;
class QWidget;

// Cut, Copy and Paste on the control that has the focus: a text field, a
// drop-down list with text, a picture (the graph), a list, a grid of cells
// (tab-separated text) or a read-only table (Copy only).
namespace ClipboardCommands {

void cut(QWidget *focused);
void copy(QWidget *focused);
void paste(QWidget *focused);

// Puts text on the clipboard in place of what it held.
void copyText(const QString &text);

} // namespace ClipboardCommands
