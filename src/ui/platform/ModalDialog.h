#pragma once

#include <functional>

class QDialog;

// Runs a window modally: the caller waits until the user dismisses it.
// Tests replace the runner, so that no real modal loop waits for a user.
namespace ModalDialog {

// Returns the dialog's result (QDialog::Accepted or QDialog::Rejected).
int run(QDialog &dialog);

using Runner = std::function<int(QDialog &dialog)>;
void setRunner(Runner runner); // an empty runner restores the real modal loop

} // namespace ModalDialog
