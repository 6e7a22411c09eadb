#include "cli/Failures.h"

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
    const int limit = 40;
    QString shown = text.size() > limit ? text.left(limit) + QStringLiteral("...") : text;
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter || c.isSurrogate())
            c = QLatin1Char('?');
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}

} // namespace cli
