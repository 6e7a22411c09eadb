#include "ExchangeTesting.h"

#include "TestFixture.h"
#include "dynamic/ResultsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamReader>

#include <cstdio>

QString unwritableFolder()
{
    const QString folder = QDir(TestFixture::temporaryFolder()).filePath(QStringLiteral("read-only"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return QFileInfo(folder).isWritable() || QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly)
               ? QStringLiteral("/proc")
               : folder;
}

QString runPython(const QString &script, const QStringList &arguments)
{
    QProcess python;
    python.start(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), script} + arguments);
    python.waitForFinished(60000);
    QString out = QString::fromUtf8(python.readAllStandardOutput());
    if (python.exitCode() != 0)
        out += QString::fromUtf8(python.readAllStandardError());
    return out.trimmed();
}

QStringList svgTexts(const QByteArray &svg)
{
    QStringList texts;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("text"))
            texts << reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return texts;
}

void writeAwkwardResults(const QString &path, int rows)
{
    using namespace modVornish;
    ResetResultsDatabase(path);
    ResultsAppender appender(path);
    for (int i = 0; i < rows; ++i) {
        ResultRecord r;
        r.time = i * 0.1;
        r.A = (i + 1) / 3.0 * 1e-9;
        r.rA = -(i + 7) / 11.0 * 1e-12;
        r.B = 2e-9 / (i + 3);
        r.rB = 4.9e-324 * (i % 5); // subnormal
        r.AB = 1e-9 * (1 + 1.0 / (i + 9));
        r.rAB = 1.7976931348623157e-290 / (i + 13);
        appender.AppendResultRecord(r);
    }
    appender.finish();
}

QString hexText(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", v);
    return QString::fromLatin1(text);
}

QList<QStringList> csvRecords(const QString &text, QChar sep)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool recordStarted = false;
    const auto endField = [&] {
        fields << field;
        field.clear();
    };
    const auto endRecordHere = [&] {
        endField();
        records << fields;
        fields.clear();
        recordStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                    field += text[++i];
                else
                    quoted = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            recordStarted = true;
        } else if (c == sep) {
            endField();
            recordStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRecordHere();
        } else {
            field += c;
            recordStarted = true;
        }
    }
    if (recordStarted || !field.isEmpty())
        endRecordHere();
    return records;
}
