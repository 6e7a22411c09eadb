#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QStringList>

// The file service of the tests: records every request and answers from a
// queue of paths (cancel when the queue is empty).
class ScriptedFileDialogs : public FileDialogs::Service
{
public:
    QString ask(const FileDialogs::Request &request) override;

    QList<FileDialogs::Request> asked;
    QStringList answers;
};

// The scripted service installed by the test fixture.
ScriptedFileDialogs &scriptedFileDialogs();

// Clears what was recorded and queues the given paths.
void resetFileDialogs(QStringList answers = {});
