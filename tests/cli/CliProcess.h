#pragma once

#include <QByteArray>
#include <QStringList>

#include <vector>

// vornish-cli run as a separate process with no display: QT_QPA_PLATFORM,
// DISPLAY and WAYLAND_DISPLAY removed from its environment.
struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    bool crashed = false;

    // The lines of standard error.
    QList<QByteArray> errLines() const;
};

// Standard output goes to outputFile when one is named.
CliRun RunCli(const QStringList &arguments, const QByteArray &input = QByteArray(),
              const QStringList &extraEnvironment = QStringList(), const QString &outputFile = QString());

// The numbers of a CSV text, row by row, the header line left out.
std::vector<std::vector<double>> CsvNumbers(const QByteArray &csv);
