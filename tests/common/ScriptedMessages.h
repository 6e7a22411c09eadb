#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QStringList>

// The message service of the tests: records every request and answers from
// a queue (the first button when the queue is empty).
class ScriptedMessages : public Messages::Service
{
public:
    Messages::Answer ask(const Messages::Request &request) override;

    QList<Messages::Request> shown;
    QList<Messages::Answer> answers;

    // The texts and the titles of the messages shown, in order.
    QStringList texts() const;
    QStringList titles() const;
};

// The scripted service installed by the test fixture.
ScriptedMessages &scriptedMessages();

// Clears what was recorded and queues the given answers.
void resetMessages(QList<Messages::Answer> answers = {});
