#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// The options of a subcommand and the parsing of its arguments:
// "--name value" or "--name=value", flags without a value, "--" before
// operands that start with "-", and "-" as an operand (standard input).
namespace cli {

struct Option
{
    const char *name;      // without the leading "--"
    const char *valueName; // e.g. "CONC"; nullptr for a flag
    const char *help;      // one line
    bool repeatable = false;
    // A flag that may carry a value as "--name=value" only (valueName names it).
    bool optionalValue = false;
};

class Arguments
{
public:
    // Throws UsageError for an unknown option, a missing value, an option
    // given twice or a wrong number of operands. "--help" and "-h" are
    // always accepted.
    Arguments(const QStringList &arguments, const std::vector<Option> &options, int operandCount);

    bool wantsHelp() const { return m_help; }
    bool has(const char *name) const;
    // The value of an option given once; an empty text when absent.
    QString value(const char *name) const;
    // Every value of a repeatable option, in the order given.
    QStringList values(const char *name) const;
    const QStringList &operands() const { return m_operands; }

private:
    std::map<QString, QStringList> m_values;
    QStringList m_operands;
    bool m_help = false;
};

// The option list of a help text, one option a line.
QString OptionsHelp(const std::vector<Option> &options);

} // namespace cli
