#include "ScriptedMessages.h"

Messages::Answer ScriptedMessages::ask(const Messages::Request &request)
{
    shown.append(request);
    if (!answers.isEmpty())
        return answers.takeFirst();
    const bool yesNo = request.buttons == Messages::Buttons::YesNo || request.buttons == Messages::Buttons::YesNoCancel;
    return yesNo ? Messages::Answer::Yes : Messages::Answer::Ok;
}

QStringList ScriptedMessages::texts() const
{
    QStringList all;
    for (const Messages::Request &request : shown)
        all << request.text;
    return all;
}

QStringList ScriptedMessages::titles() const
{
    QStringList all;
    for (const Messages::Request &request : shown)
        all << request.title;
    return all;
}

namespace {
ScriptedMessages *g_messages = nullptr;
}

ScriptedMessages &scriptedMessages()
{
    if (!g_messages) {
        auto service = std::make_unique<ScriptedMessages>();
        g_messages = service.get();
        Messages::install(std::move(service));
    }
    return *g_messages;
}

void resetMessages(QList<Messages::Answer> answers)
{
    scriptedMessages().shown.clear();
    scriptedMessages().answers = std::move(answers);
}
