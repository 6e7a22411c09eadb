#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

namespace {

constexpr double twipsPerPoint = 20;

QString decodeEntities(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

} // namespace

QList<PdfWord> readPdfWords(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression wordPattern(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch &match : wordPattern.globalMatch(html)) {
        PdfWord word;
        word.left = match.captured(1).toDouble() * twipsPerPoint;
        word.top = match.captured(2).toDouble() * twipsPerPoint;
        word.right = match.captured(3).toDouble() * twipsPerPoint;
        word.bottom = match.captured(4).toDouble() * twipsPerPoint;
        word.text = decodeEntities(match.captured(5));
        words << word;
    }
    return words;
}

QList<PdfWord> wordsOnLine(const QList<PdfWord> &words, double top, double tolerance)
{
    QList<PdfWord> line;
    for (const PdfWord &word : words)
        if (std::abs(word.top - top) <= tolerance)
            line << word;
    std::sort(line.begin(), line.end(), [](const PdfWord &a, const PdfWord &b) { return a.left < b.left; });
    return line;
}

QString lineText(const QList<PdfWord> &words, double top, double tolerance)
{
    QStringList texts;
    for (const PdfWord &word : wordsOnLine(words, top, tolerance))
        texts << word.text;
    return texts.join(QLatin1Char(' '));
}

PdfWord findWord(const QList<PdfWord> &words, const QString &text)
{
    for (const PdfWord &word : words)
        if (word.text == text)
            return word;
    return PdfWord();
}

QString pdfLayoutText(const QString &path, int page)
{
    QStringList arguments = {QStringLiteral("-layout"), path, QStringLiteral("-")};
    if (page > 0)
        arguments = QStringList{"-f", QString::number(page), "-l", QString::number(page)} + arguments;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), arguments);
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
