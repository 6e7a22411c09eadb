#pragma once

#include <QList>
#include <QString>

// The words of a printed PDF page as pdftotext -bbox reads them back, in
// twips from the page's top-left corner (the tests print without margins,
// so that is the printable origin).
struct PdfWord
{
    QString text;
    double left = 0, top = 0, right = 0, bottom = 0;
};

QList<PdfWord> readPdfWords(const QString &path);

// The words whose top is within tolerance of top, left to right.
QList<PdfWord> wordsOnLine(const QList<PdfWord> &words, double top, double tolerance = 60);
// Their texts joined by blanks.
QString lineText(const QList<PdfWord> &words, double top, double tolerance = 60);
// The first word with this text (a default word with an empty text if none).
PdfWord findWord(const QList<PdfWord> &words, const QString &text);

// The text pdftotext reads from a PDF file in its layout: one page, or all
// of them when page is 0.
QString pdfLayoutText(const QString &path, int page = 0);
