#include "cli/CommandLine.h"

#include <QCoreApplication>

// vornish-cli: the computations of Vornish on the command line, over the
// core library alone (no window, no display).
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return cli::RunCommandLine(QCoreApplication::arguments().mid(1));
}
