#include "cli/Failures.h"

#include "platform/Messages.h"

#include <QRegularExpression>

namespace cli {

QString OneLine(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString line = text;
    return line.replace(breaks, QStringLiteral(" ")).trimmed();
}

QString Quoted(const QString &text)
{
    return Messages::quoted(text);
}

} // namespace cli
