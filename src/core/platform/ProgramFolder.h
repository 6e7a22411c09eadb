#pragma once

#include <QString>

namespace modVnPublic {

// The program folder: files the program reads and writes (help, release
// notes, the results file) are looked up in it. It is the installed data
// folder (share/vornish under the prefix) when there is one beside the
// program's bin folder, otherwise the folder of the program file.
QString ProgramFolder();

// Tests point the program at a folder of their own.
void SetProgramFolder(const QString &folder);

// ProgramFolder() + separator + fileName.
QString ProgramFilePath(const QString &fileName);

// The program's title, used as the default message title.
inline QString ProgramTitle() { return QStringLiteral("Vornish"); }

} // namespace modVnPublic
