#pragma once

#include "ScriptedMessages.h"

#include <QApplication>
#include <QTest>

// The shared set-up of every test program: the offscreen platform, the
// settings store and the program folder in temporary folders, the scripted
// message service, and a guard that closes (and fails on) any real modal
// dialog instead of hanging.
namespace TestFixture {

void prepareEnvironment(); // before the application object exists
void prepareApplication(QApplication &app);
QString temporaryFolder(); // removed when the program ends

// A fresh empty settings folder and program folder for one test.
void resetFolders();

// What the program stored under its name in the settings, or "absent".
QString stored(const char *section, const char *key);

// The modal runner of the tests: a window that would wait for the user is
// dismissed at once, as by Escape. A test that answers such a window itself
// sets its own runner (ModalDialog::setRunner) and puts this one back.
void dismissModalWindows();

} // namespace TestFixture
