#pragma once

class QWidget;

// Cut, Copy and Paste on the control that has the focus: a text field, a
// drop-down list with text, a picture (the graph), a list, a grid of cells
// (tab-separated text) or a read-only table (Copy only).
namespace ClipboardCommands {

void cut(QWidget *focused);
void copy(QWidget *focused);
void paste(QWidget *focused);

} // namespace ClipboardCommands
