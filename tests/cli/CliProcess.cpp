#include "CliProcess.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

QList<QByteArray> CliRun::errLines() const
{
    QList<QByteArray> lines = err.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

CliRun RunCli(const QStringList &arguments, const QByteArray &input, const QStringList &extraEnvironment,
              const QString &outputFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    for (const QString &entry : extraEnvironment)
        environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(VORNISH_CLI), arguments);
    CliRun run;
    if (!process.waitForStarted(30000))
        return run;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

std::vector<std::vector<double>> CsvNumbers(const QByteArray &csv)
{
    std::vector<std::vector<double>> rows;
    const QList<QByteArray> lines = csv.split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        std::vector<double> row;
        for (const QByteArray &field : lines[i].split(','))
            row.push_back(field.toDouble());
        rows.push_back(row);
    }
    return rows;
}
