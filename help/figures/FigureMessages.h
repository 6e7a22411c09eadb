#pragma once

#include "platform/Messages.h"

#include <QStringList>

// The message service while the figures are made: nobody is there to answer,
// so each message gets its first button and is kept, so that a scene can say
// which messages it expects and the program can fail on any other.
class FigureMessages : public Messages::Service
{
public:
    Messages::Answer ask(const Messages::Request &request) override;

    // "title: text" of each message shown since the last call, which it forgets.
    QStringList takeShown();

private:
    QStringList m_shown;
};
