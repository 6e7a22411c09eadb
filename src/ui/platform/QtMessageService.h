#pragma once

#include "platform/Messages.h"

#include <memory>

class QWidget;

// The message service of the running program: a modal QMessageBox over the
// window the user was working in. A box without a parent would float in
// the middle of the screen, and no window is active for a moment after
// another box closed, so the service remembers the last active window and
// falls back on the program's main window.
class QtMessageService : public Messages::Service
{
public:
    QtMessageService();
    ~QtMessageService() override;

    Messages::Answer ask(const Messages::Request &request) override;

    // The window a box shown now belongs to.
    QWidget *owner() const;

private:
    class ActiveWindowWatch;
    std::unique_ptr<ActiveWindowWatch> m_watch;
};
