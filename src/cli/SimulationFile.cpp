#include "cli/SimulationFile.h"

#include "cli/Failures.h"
#include "cli/Output.h"
#include "platform/Messages.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace cli {
namespace {

// What the wizard gathers fits in a few hundred bytes.
constexpr qint64 MaxFileSize = 1 << 20;

// "k_ass", "K-Ass" and "event3" read as "k-ass" and "event".
QString normalName(const QString &name)
{
    static const QRegularExpression numberedEvent(QStringLiteral("^event[1-9]$"));
    QString n = name.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    if (n == QLatin1String("events") || numberedEvent.match(n).hasMatch())
        n = QStringLiteral("event");
    return n;
}

QString jsonText(const QJsonValue &value, const QString &where)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return QString::fromStdString(NumberText(value.toDouble()));
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        break;
    }
    throw Refusal{where + QStringLiteral(": a number or a text is needed")};
}

QString jsonEvent(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        return jsonText(value, where);
    const QJsonObject o = value.toObject();
    QStringList parts;
    for (const char *key : {"time", "change", "target"})
        if (o.contains(QLatin1String(key)))
            parts << jsonText(o.value(QLatin1String(key)), where + QStringLiteral(", ") + QLatin1String(key));
    return parts.join(QLatin1Char(','));
}

std::map<QString, QStringList> readJson(const QByteArray &bytes, const QString &path)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        throw Refusal{QStringLiteral("%1: not a JSON object (%2 at character %3)")
                          .arg(path, error.errorString())
                          .arg(error.offset)};
    std::map<QString, QStringList> values;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString name = normalName(it.key());
        const QString where = path + QStringLiteral(": ") + it.key();
        if (it.value().isNull())
            continue;
        if (name == QLatin1String("event") && it.value().isArray()) {
            for (const QJsonValue &event : it.value().toArray())
                values[name] << jsonEvent(event, where);
        } else if (name == QLatin1String("event")) {
            values[name] << jsonEvent(it.value(), where);
        } else {
            values[name] << jsonText(it.value(), where);
        }
    }
    return values;
}

std::map<QString, QStringList> readIni(const QByteArray &bytes, const QString &path)
{
    std::map<QString, QStringList> values;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';'))
            || (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            throw Refusal{QStringLiteral("%1, line %2: \"name = value\" is needed, found %3")
                              .arg(path)
                              .arg(i + 1)
                              .arg(Messages::quoted(line))};
        values[normalName(line.left(equals))] << line.mid(equals + 1).trimmed();
    }
    return values;
}

} // namespace

std::map<QString, QStringList> ReadSimulationFile(const QString &path, const QStringList &knownNames)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Refusal{QStringLiteral("cannot read '%1': %2").arg(path, file.errorString())};
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize)
        throw Refusal{QStringLiteral("%1: too large for a simulation file").arg(path)};
    const bool json = bytes.trimmed().startsWith('{');
    std::map<QString, QStringList> values = json ? readJson(bytes, path) : readIni(bytes, path);
    for (const auto &[name, list] : values) {
        if (!knownNames.contains(name))
            throw Refusal{QStringLiteral("%1: unknown name %2").arg(path, Messages::quoted(name))};
        if (name != QLatin1String("event") && list.size() > 1)
            throw Refusal{QStringLiteral("%1: %2 is given more than once").arg(path, name)};
    }
    return values;
}

} // namespace cli
