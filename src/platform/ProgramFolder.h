#pragma once

#include <QString>

namespace modVnPublic {

// The folder of the program file; files the program reads and writes
// (help, release notes, the results file) are looked up in it.
QString ProgramFolder();

// Tests point the program at a folder of their own.
void SetProgramFolder(const QString &folder);

// ProgramFolder() + separator + fileName.
QString ProgramFilePath(const QString &fileName);

// The program's title, used as the default message title.
inline QString ProgramTitle() { return QStringLiteral("Vornish"); }

} // namespace modVnPublic
