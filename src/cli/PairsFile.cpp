#include "cli/PairsFile.h"

#include "cli/Failures.h"
#include "exchange/PairsReader.h"

#include <QFile>

#include <cstdio>

namespace cli {

Pairs ReadPairs(const QString &path)
{
    const bool standardInput = path == QLatin1String("-");
    const QString name = standardInput ? QStringLiteral("standard input") : path;
    QFile file(path);
    const bool opened = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw Refusal{QStringLiteral("cannot read '%1': %2").arg(name, file.errorString())};

    const PairsReader::Result read = PairsReader::Read(file);
    if (read.stop != PairsReader::Stop::EndOfData)
        throw Refusal{QStringLiteral("%1, line %2: %3").arg(name).arg(read.line).arg(PairsReader::StopText(read))};
    Pairs pairs;
    for (const PairsReader::Pair &pair : read.pairs) {
        pairs.bound.push_back(pair.bound);
        pairs.ratio.push_back(pair.ratio);
        pairs.lines.push_back(pair.line);
    }
    return pairs;
}

} // namespace cli
