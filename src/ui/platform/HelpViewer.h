#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace modVnPublic {

// The program's help file (the user guide) in the program folder. Its name
// is looked up without regard to case.
QString HelpFilePath();

// Opens the help file in the help window, owned by `owner`, on a topic (a page
// of the guide; empty for the default topic). Returns false when the file is
// missing or unreadable; the caller reports the failure.
bool OpenHelpFile(QWidget *owner, const QString &helpFile, const QString &topic = QString());

// The viewer behind OpenHelpFile; tests replace it.
using HelpOpener = std::function<bool(QWidget *owner, const QString &helpFile, const QString &topic)>;
void SetHelpOpener(HelpOpener opener); // an empty opener restores the help window

} // namespace modVnPublic
