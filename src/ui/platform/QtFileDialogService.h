#pragma once

#include "platform/FileDialogs.h"

// The file service of the running program: the toolkit's file dialogs over
// the window the user was working in (DialogOwner). Saving asks before replacing a file.
class QtFileDialogService : public FileDialogs::Service
{
public:
    QString ask(const FileDialogs::Request &request) override;
};
