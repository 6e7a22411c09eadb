#include "cli/CommandLine.h"
#include "cli/CommonOptions.h"
#include "cli/Failures.h"
#include "cli/SimulationOptions.h"
#include "cli/Subcommand.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/SimulationEngine.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace cli {
namespace {

using namespace modVornish;

// "Time (s)", "A (nM)", "dA/dt (nM/s)", ... in the units asked for.
QStringList sampleHeaders(const Unit &unit, const Unit &timeUnit)
{
    const QString c = QStringLiteral(" (") + unit.name + QLatin1Char(')');
    const QString r = QStringLiteral(" (") + unit.name + QLatin1Char('/') + timeUnit.name + QLatin1Char(')');
    return {QStringLiteral("Time (") + timeUnit.name + QLatin1Char(')'),
            QStringLiteral("A") + c,
            QStringLiteral("dA/dt") + r,
            QStringLiteral("B") + c,
            QStringLiteral("dB/dt") + r,
            QStringLiteral("[A/B]") + c,
            QStringLiteral("d[A/B]/dt") + r};
}

// The run's progress on a terminal, a few times a second on one line.
class ProgressLine
{
public:
    explicit ProgressLine(double endTime)
        : m_endTime(endTime)
        , m_shown(isatty(STDERR_FILENO))
    {
        m_clock.start();
    }
    ~ProgressLine()
    {
        if (m_written)
            std::fputs("\r\033[K", stderr);
    }

    void report(float t)
    {
        if (!m_shown || m_clock.elapsed() < 200)
            return;
        m_clock.restart();
        std::fprintf(stderr, "\rvornish-cli: simulate: %3.0f %%", 100.0 * double(t) / m_endTime);
        std::fflush(stderr);
        m_written = true;
    }

private:
    double m_endTime;
    bool m_shown;
    bool m_written = false;
    QElapsedTimer m_clock;
};

// A results file the program opens with "Use existing simulation data",
// written beside its destination and moved there when complete.
class ResultsFile
{
public:
    explicit ResultsFile(const QString &path)
        : m_path(path)
        , m_partial(path + QStringLiteral(".part"))
    {
        try {
            ResetResultsDatabase(m_partial);
            m_appender = std::make_unique<ResultsAppender>(m_partial);
        } catch (...) {
            // A disk too full for even the empty tables: no file is left.
            ReleaseResultsFile();
            QFile::remove(m_partial);
            throw;
        }
    }
    ~ResultsFile()
    {
        if (!m_appender)
            return;
        m_appender.reset();
        ReleaseResultsFile();
        QFile::remove(m_partial);
    }

    void append(const ResultRecord &r) { m_appender->AppendResultRecord(r); }

    void commit()
    {
        m_appender->finish();
        m_appender.reset();
        ReleaseResultsFile();
        if (std::rename(QFile::encodeName(m_partial).constData(), QFile::encodeName(m_path).constData()) != 0) {
            QFile::remove(m_partial);
            throw Refusal{QStringLiteral("cannot write '%1'").arg(m_path)};
        }
    }

private:
    QString m_path;
    QString m_partial;
    std::unique_ptr<ResultsAppender> m_appender;
};

void run(const Arguments &arguments)
{
    const SimulationSetup setup = ReadSimulationSetup(arguments);
    const Format format = FormatOf(arguments, Format::Csv);
    const bool toResults = arguments.has("results");
    const bool toTable = !toResults || arguments.has("output");

    std::unique_ptr<OutputStream> out;
    std::unique_ptr<TableWriter> table;
    if (toTable) {
        out = std::make_unique<OutputStream>(arguments.value("output"));
        table = std::make_unique<TableWriter>(*out, format, sampleHeaders(setup.unit, setup.timeUnit),
                                              !arguments.has("no-header"));
    }
    std::unique_ptr<ResultsFile> results;
    if (toResults)
        results = std::make_unique<ResultsFile>(arguments.value("results"));

    const double cf = setup.unit.factor;
    const double tf = setup.timeUnit.factor;
    std::vector<double> row(7);
    ProgressLine progressLine(setup.input.endTime);
    ProgressSink progress;
    progress.report = [&progressLine](float t) { progressLine.report(t); };
    RunSimulation(
        setup.input,
        [&](const ResultRecord &r) {
            if (results)
                results->append(r);
            if (!table)
                return;
            // As the graph scales them: rates in the unit per time unit.
            row = {r.time / tf, r.A / cf, r.rA * tf / cf, r.B / cf, r.rB * tf / cf, r.AB / cf, r.rAB * tf / cf};
            table->row(row);
        },
        progress);
    if (results)
        results->commit();
    if (table) {
        table->finish();
        out->commit();
    }
}

} // namespace

const Subcommand &SimulateCommand()
{
    static const Subcommand command = [] {
        Subcommand s{
            "simulate",
            "The time course of the reaction, as the Dynamic Equilibrium Tool runs it.",
            "",
            "Simulates A + B <=> [A/B] from initial concentrations and two of k_ass, k_diss\n"
            "and Kd by the Dynamic Equilibrium Tool's explicit Euler integration, with up\n"
            "to four programmed events and the competitor challenge, and writes one sample\n"
            "a recording interval (two more at each event): time, and the concentration\n"
            "and rate of A, B and [A/B]. The values are read as the wizard reads them:\n"
            "concentrations, rate constants and times as their absolute values, the\n"
            "change of an event with its sign. Samples stream to standard output (or\n"
            "--output) as they are made, so a run of millions of intervals takes little\n"
            "memory; --results writes them into a results file that Vornish opens with\n"
            "\"Use existing simulation data\" (an installed Vornish reads\n"
            "~/.local/share/Vornish/Temp.mdb; one run from its build folder, Temp.mdb in\n"
            "that folder when it is writable). On a terminal a progress line is shown on\n"
            "standard error.\n\n"
            "Example: vornish-cli simulate --a 10nM --b 10nM --ab 0 --k-ass 1e6 --kd 1nM \\\n"
            "           --end-time 60min --interval 1min --event 30min,+10nM,A\n",
            SimulationInputOptions(),
        };
        s.options.push_back(FormatOption("csv, json or text (default csv)."));
        s.options.push_back(NoHeaderOption());
        s.options.push_back(OutputOption());
        s.options.push_back({"results", "FILE",
                             "Write a results file (Temp.mdb) at FILE; the table is then written "
                             "only with --output (- for standard output)."});
        s.run = run;
        return s;
    }();
    return command;
}

} // namespace cli
