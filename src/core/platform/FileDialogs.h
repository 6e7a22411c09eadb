#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>

// The file service: every Open and Save As dialog of the program goes
// through FileDialogs::choose. The program installs the Qt implementation;
// tests install a scripted one that records the requests and answers from
// a queue. The folder of the last chosen file is remembered in the settings
// file, and the next dialog opens there.
namespace FileDialogs {

enum class Mode { Open, Save };

struct Request
{
    Mode mode = Mode::Save;
    QString title;
    QStringList filters; // "CSV file (*.csv)", the first one selected
    QString startPath;   // the remembered folder, plus the suggested name when saving
};

class Service
{
public:
    virtual ~Service() = default;
    // The chosen file's path, or an empty text when the user cancelled.
    virtual QString ask(const Request &request) = 0;
};

// Replaces the installed service (the previous one is destroyed).
void install(std::unique_ptr<Service> service);

// Asks for a file, starting in the remembered folder with suggestedName
// (saving only). Returns the chosen path, or an empty text when cancelled or
// when no service is installed. A chosen file's folder is remembered.
QString choose(Mode mode, const QString &title, const QStringList &filters, const QString &suggestedName = QString());

// A file name built from what is saved and the date: "Scatchard Analysis
// 2026-12-06.csv".
QString suggestedName(const QString &subject, const QString &extension, const QDate &date = QDate::currentDate());

// The folder dialogs open in: the remembered one, else the home folder.
QString lastFolder();

} // namespace FileDialogs
