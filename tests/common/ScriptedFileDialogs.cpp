#include "ScriptedFileDialogs.h"

QString ScriptedFileDialogs::ask(const FileDialogs::Request &request)
{
    asked.append(request);
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

namespace {
ScriptedFileDialogs *g_dialogs = nullptr;
}

ScriptedFileDialogs &scriptedFileDialogs()
{
    if (!g_dialogs) {
        auto service = std::make_unique<ScriptedFileDialogs>();
        g_dialogs = service.get();
        FileDialogs::install(std::move(service));
    }
    return *g_dialogs;
}

void resetFileDialogs(QStringList answers)
{
    scriptedFileDialogs().asked.clear();
    scriptedFileDialogs().answers = std::move(answers);
}
