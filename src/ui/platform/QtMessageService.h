#pragma once

#include "platform/Messages.h"

// The message service of the running program: a modal QMessageBox over the
// window the user was working in (DialogOwner).
class QtMessageService : public Messages::Service
{
public:
    QtMessageService();

    Messages::Answer ask(const Messages::Request &request) override;
};
