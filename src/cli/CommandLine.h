#pragma once

#include <QStringList>

namespace cli {

// Runs vornish-cli on its arguments (the program name left out) and returns
// the exit status: 0 success, 1 input refused, 2 usage error. Results go to
// standard output, refusals and warnings to standard error, one line each.
int RunCommandLine(const QStringList &arguments);

// Writes one line to standard error, prefixed with the program's name.
void Warn(const QString &text);

} // namespace cli
