#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace modVnPublic {

// The program's help file in the program folder. Its name is looked up
// without regard to case, so "Vn_html_hlp.chm" and "vn_html_hlp.chm" are
// the same file on every file system.
QString HelpFilePath();

// Opens a help file on its default topic. Returns false when no viewer can
// open it (the file is missing or nothing on the system shows that type).
// The caller reports the failure.
bool OpenHelpFile(QWidget *owner, const QString &helpFile);

// The viewer behind OpenHelpFile; tests replace it.
using HelpOpener = std::function<bool(const QString &helpFile)>;
void SetHelpOpener(HelpOpener opener); // an empty opener restores the system's

} // namespace modVnPublic
