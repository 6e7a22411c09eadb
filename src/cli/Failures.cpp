#include "cli/Failures.h"

#include <QRegularExpression>

namespace cli {

QString OneLine(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString line = text;
    return line.replace(breaks, QStringLiteral(" ")).trimmed();
}

} // namespace cli
