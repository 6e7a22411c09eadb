#include "cli/CommandLine.h"

#include "cli/Failures.h"
#include "cli/Subcommand.h"
#include "platform/Messages.h"
#include "platform/RuntimeFault.h"

#include <cstdio>
#include <new>

namespace cli {
namespace {

const QString Program = QStringLiteral("vornish-cli");

void print(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

QString programHelp()
{
    QString text = QStringLiteral("Usage: %1 SUBCOMMAND [options]\n"
                                  "       %1 --help | --version\n\n"
                                  "Computes the reversible binding reaction A + B <=> [A/B] without a window,\n"
                                  "as the tools of Vornish do: for shell scripts, Make and analysis pipelines.\n\n"
                                  "Subcommands:\n")
                       .arg(Program);
    int width = 0;
    for (const Subcommand *s : Subcommands())
        width = std::max(width, int(qstrlen(s->name)));
    for (const Subcommand *s : Subcommands())
        text += QStringLiteral("  ") + QString::fromUtf8(s->name).leftJustified(width + 2)
                + QString::fromUtf8(s->summary) + QLatin1Char('\n');
    text += QStringLiteral("\nOptions:\n"
                           "  -h, --help  Show this help and exit.\n"
                           "  --version   Show the version and exit.\n\n"
                           "'%1 SUBCOMMAND --help' shows the options of a subcommand.\n"
                           "Exit status: 0 on success, 1 when the input is refused, 2 on a usage error.\n")
                .arg(Program);
    return text;
}

QString subcommandHelp(const Subcommand &s)
{
    QString usage = QStringLiteral("Usage: %1 %2 [options]").arg(Program, QLatin1String(s.name));
    if (*s.operands)
        usage += QLatin1Char(' ') + QString::fromUtf8(s.operands);
    return usage + QStringLiteral("\n\n") + QString::fromUtf8(s.description) + QStringLiteral("\nOptions:\n")
           + OptionsHelp(s.options);
}

const Subcommand *findSubcommand(const QString &name)
{
    for (const Subcommand *s : Subcommands())
        if (name == QLatin1String(s->name))
            return s;
    return nullptr;
}

// One line, "vornish-cli: solve: unknown option '--x' (see 'vornish-cli solve --help')".
int usageError(const QString &subcommand, const QString &message)
{
    const QString prefix = subcommand.isEmpty() ? QString() : subcommand + QStringLiteral(": ");
    const QString helpCommand = subcommand.isEmpty() ? Program : Program + QLatin1Char(' ') + subcommand;
    Warn(prefix + message + QStringLiteral(" (see '%1 --help')").arg(helpCommand));
    return 2;
}

int runSubcommand(const Subcommand &s, const QStringList &arguments)
{
    try {
        const Arguments parsed(arguments, s.options, s.operandCount);
        if (parsed.wantsHelp()) {
            print(subcommandHelp(s));
            return 0;
        }
        s.run(parsed);
        return 0;
    } catch (const UsageError &e) {
        return usageError(QLatin1String(s.name), e.message);
    } catch (const Refusal &e) {
        Warn(QLatin1String(s.name) + QStringLiteral(": ") + e.message);
    } catch (const RuntimeFault &fault) {
        // A fault the subcommand did not expect: its number and description.
        Warn(QLatin1String(s.name) + QStringLiteral(": ") + fault.unexpectedErrorText());
    } catch (const std::bad_alloc &) {
        Warn(QLatin1String(s.name) + QStringLiteral(": Unexpected error #7 occurred: Out of memory"));
    }
    return 1;
}

} // namespace

void Warn(const QString &text)
{
    const QByteArray line = (Program + QStringLiteral(": ") + OneLine(text) + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.data(), 1, std::size_t(line.size()), stderr);
}

int RunCommandLine(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(QString(), QStringLiteral("a subcommand is needed"));
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        print(programHelp());
        return 0;
    }
    if (first == QLatin1String("--version")) {
        print(QStringLiteral("%1 %2.%3.%4\n")
                  .arg(Program)
                  .arg(VORNISH_VERSION_MAJOR)
                  .arg(VORNISH_VERSION_MINOR)
                  .arg(VORNISH_VERSION_PATCH));
        return 0;
    }
    if (first == QLatin1String("help")) {
        if (arguments.size() == 1) {
            print(programHelp());
            return 0;
        }
        if (const Subcommand *s = findSubcommand(arguments[1])) {
            print(subcommandHelp(*s));
            return 0;
        }
        return usageError(QString(), QStringLiteral("unknown subcommand %1").arg(Messages::quoted(arguments[1])));
    }
    const Subcommand *s = findSubcommand(first);
    if (!s)
        return usageError(QString(), QStringLiteral("unknown subcommand %1").arg(Messages::quoted(first)));
    return runSubcommand(*s, arguments.mid(1));
}

} // namespace cli
