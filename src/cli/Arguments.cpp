#include "cli/Arguments.h"

#include "cli/Failures.h"
#include "platform/Messages.h"

namespace cli {

namespace {

const Option *find(const std::vector<Option> &options, const QString &name)
{
    for (const Option &o : options)
        if (name == QLatin1String(o.name))
            return &o;
    return nullptr;
}

} // namespace

Arguments::Arguments(const QStringList &arguments, const std::vector<Option> &options, int operandCount)
{
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            m_operands << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            m_help = true;
            continue;
        }
        if (!argument.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("unknown option %1").arg(Messages::quoted(argument))};
        const int equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const Option *option = find(options, name);
        if (!option)
            throw UsageError{
                QStringLiteral("unknown option %1").arg(Messages::quoted(argument.left(equals < 0 ? -1 : equals)))};
        QString value;
        if (option->optionalValue) {
            if (equals >= 0)
                value = argument.mid(equals + 1);
        } else if (!option->valueName) {
            if (equals >= 0)
                throw UsageError{QStringLiteral("option '--%1' takes no value").arg(name)};
        } else if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw UsageError{
                QStringLiteral("option '--%1' needs a value (%2)").arg(name, QLatin1String(option->valueName))};
        }
        QStringList &given = m_values[name];
        if (!given.isEmpty() && !option->repeatable)
            throw UsageError{QStringLiteral("option '--%1' is given more than once").arg(name)};
        given << value;
    }
    if (m_help)
        return;
    if (m_operands.size() > operandCount)
        throw UsageError{QStringLiteral("unexpected argument %1").arg(Messages::quoted(m_operands[operandCount]))};
    if (m_operands.size() < operandCount)
        throw UsageError{QStringLiteral("missing operand")};
}

bool Arguments::has(const char *name) const
{
    return m_values.count(QLatin1String(name)) > 0;
}

QString Arguments::value(const char *name) const
{
    const auto it = m_values.find(QLatin1String(name));
    return it == m_values.end() ? QString() : it->second.first();
}

QStringList Arguments::values(const char *name) const
{
    const auto it = m_values.find(QLatin1String(name));
    return it == m_values.end() ? QStringList() : it->second;
}

QString OptionsHelp(const std::vector<Option> &options)
{
    QStringList left, right;
    for (const Option &o : options) {
        QString synopsis = QStringLiteral("--") + QLatin1String(o.name);
        if (o.optionalValue)
            synopsis += QStringLiteral("[=") + QLatin1String(o.valueName) + QLatin1Char(']');
        else if (o.valueName)
            synopsis += QLatin1Char(' ') + QLatin1String(o.valueName);
        left << synopsis;
        right << QString::fromUtf8(o.help);
    }
    left << QStringLiteral("-h, --help");
    right << QStringLiteral("Show this help and exit.");
    int width = 0;
    for (const QString &s : left)
        width = std::max(width, int(s.size()));
    // Help lines of at most 79 characters: long texts wrap under their column.
    const int column = width + 4;
    QString text;
    for (int i = 0; i < left.size(); ++i) {
        QString line = QStringLiteral("  ") + left[i].leftJustified(width + 2);
        for (const QString &word : right[i].split(QLatin1Char(' '))) {
            if (line.size() > column && line.size() + 1 + word.size() > 79) {
                text += line + QLatin1Char('\n');
                line = QString(column, QLatin1Char(' ')) + word;
            } else {
                line += (line.size() > column ? QStringLiteral(" ") : QString()) + word;
            }
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace cli
