#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Which page of the user guide explains which window, by the window's name.
namespace HelpTopics {

// The page ("page.html" or "page.html#part") of a window; empty when the
// guide has no topic of its own for it.
QString topicOf(const QString &windowName);

// The topic of the innermost window around a widget that has one; the main
// window's topic when none has.
QString topicAround(const QWidget *widget);

// Every window name that has a topic.
QStringList windowNames();

} // namespace HelpTopics
