#pragma once

#include "platform/Messages.h"

// The message service of the running program: modal QMessageBox over the
// active window.
class QtMessageService : public Messages::Service
{
public:
    Messages::Answer ask(const Messages::Request &request) override;
};
