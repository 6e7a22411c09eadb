#pragma once

#include <QString>

// The two ways a subcommand fails. Each carries one line for standard error;
// the command line turns them into exit status 2 and 1.
namespace cli {

// The command line itself is wrong: an unknown option, a missing value.
struct UsageError
{
    QString message;
};

// The input is read but refused: a value that is no number, data the tool
// cannot analyse, a file that cannot be read or written.
struct Refusal
{
    QString message;
};

// A message of the windows on one line: its line breaks become one blank.
QString OneLine(const QString &text);

} // namespace cli
