#pragma once

#include <QString>

namespace modVnPublic {

// How the program was found: run from its build folder, or installed under a
// prefix, where its data folder belongs to the system, not to the user.
enum class ProgramLayout { BuildFolder, Installed };

// The program folder: the files the program reads (help, release notes) are
// looked up in it. It is the installed data folder (share/vornish under the
// prefix) when there is one beside the program's bin folder, otherwise the
// folder of the program file.
QString ProgramFolder();

ProgramLayout CurrentProgramLayout();

// Tests point the program at a folder of their own, laid out as given.
void SetProgramFolder(const QString &folder, ProgramLayout layout = ProgramLayout::BuildFolder);

// ProgramFolder() + separator + fileName.
QString ProgramFilePath(const QString &fileName);

// The folder the program writes its own files into (the results file): the
// program folder of a program run from its build folder when it may write
// there; otherwise, and always when installed, the user's data folder
// (~/.local/share/Vornish), which a writer makes when it is missing.
QString WritableFolder();

// The program's title, used as the default message title.
inline QString ProgramTitle()
{
    return QStringLiteral("Vornish");
}

} // namespace modVnPublic
