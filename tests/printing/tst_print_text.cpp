#include "tst_printing.h"

#include "graphing/DisplayList.h"
#include "printing/PrintText.h"

using namespace PrintText;

namespace {

struct PrintedLine
{
    QString text;
    float x = 0, y = 0;
};

QList<PrintedLine> linesOf(const DisplayList &list)
{
    QList<PrintedLine> lines;
    for (const DisplayItem &item : list.items())
        if (item.kind == DisplayItem::Text)
            lines << PrintedLine{list.textOf(item), item.x1, item.y1};
    return lines;
}

DisplayList titleSurface()
{
    DisplayList list;
    list.setFont(QStringLiteral("Arial"), 9, true);
    return list;
}

} // namespace

void PrintTextTest::wrappedTextBreaksBetweenWords()
{
    DisplayList page = titleSurface();
    const double h = page.textHeight();
    // The box just holds "aaa bbb " (a line keeps 10 twips clear of the edge).
    const double width = page.textWidth(QStringLiteral("aaa bbb ")) + 10;
    PrintWrappedText(page, QStringLiteral("aaa bbb    ccc ddd"), 500, 2000, width, 300, AlignLeft);
    QList<PrintedLine> lines = linesOf(page);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].text, QStringLiteral("aaa bbb "));
    QCOMPARE(lines[1].text, QStringLiteral("ccc ddd")); // the blanks after the break are dropped
    QCOMPARE(lines[0].x, 500.0f);
    QCOMPARE(lines[1].x, 500.0f);
    QCOMPARE(lines[0].y, 2000.0f);
    QCOMPARE(lines[1].y, float(2000 + h));
    QCOMPARE(page.penPosition(), QPointF(0, 2000 + 2 * h));

    // A text that fits stays whole, blanks and all; an empty text is one empty line.
    page.clear();
    PrintWrappedText(page, QStringLiteral("aaa bbb"), 500, 0, width, 300, AlignLeft);
    PrintWrappedText(page, QString(), 500, 1000, width, 300, AlignLeft);
    lines = linesOf(page);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].text, QStringLiteral("aaa bbb"));
    QCOMPARE(lines[1].text, QString());
    QCOMPARE(page.penPosition().y(), 1000 + h);
}

void PrintTextTest::wrappedTextAlignsEachLine()
{
    DisplayList page = titleSurface();
    const QString title = QStringLiteral("Time (min.)");
    const double w = page.textWidth(title);
    PrintWrappedText(page, title, 3000, 4500, 2000, 300, AlignCentre);
    PrintWrappedText(page, title, 3000, 5000, 2000, 300, AlignRight);
    const QList<PrintedLine> lines = linesOf(page);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].x, float(3000 + float((2000 - w) / 2)));
    QCOMPARE(lines[1].x, float(3000 + 2000 - w));

    // Each wrapped line is aligned by its own width, trailing blank included.
    page.clear();
    const double width = page.textWidth(QStringLiteral("aaa bbb ")) + 10;
    PrintWrappedText(page, QStringLiteral("aaa bbb c"), 0, 0, width, 300, AlignRight);
    const QList<PrintedLine> wrapped = linesOf(page);
    QCOMPARE(wrapped.size(), 2);
    QCOMPARE(wrapped[0].x, float(width - page.textWidth(QStringLiteral("aaa bbb "))));
    QCOMPARE(wrapped[1].x, float(width - page.textWidth(QStringLiteral("c"))));
}

void PrintTextTest::wrappedTextPutsAnOverwideWordOnItsOwnLine()
{
    DisplayList page = titleSurface();
    PrintWrappedText(page, QStringLiteral("Concentration of [A/B]"), 0, 0, 200, 300, AlignLeft);
    QStringList texts;
    for (const PrintedLine &line : linesOf(page))
        texts << line.text;
    QCOMPARE(texts, QStringList({"Concentration ", "of ", "[A/B]"}));

    page.clear();
    PrintWrappedText(page, QStringLiteral("Concentration"), 0, 0, 5, 300, AlignCentre);
    QCOMPARE(linesOf(page).size(), 1);
}

void PrintTextTest::textLinesSplitAtLineBreaks()
{
    DisplayList page;
    const double h = page.textHeight();
    PrintTextLines(page, QStringLiteral("  one\r\n   two\r\n\r\nfour\r\n"), 1000, 6000, AlignLeft);
    const QList<PrintedLine> lines = linesOf(page);
    QCOMPARE(lines.size(), 4); // a final line break adds no line
    const QStringList expected{"  one", "two", "", "four"};
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i].text, expected[i]);
        QCOMPARE(lines[i].x, 1000.0f);
        QCOMPARE(lines[i].y, float(6000 + i * h));
    }
    QCOMPARE(page.penPosition(), QPointF(0, 6000 + 4 * h));

    page.clear();
    PrintTextLines(page, QString(), 1000, 1000, AlignLeft);
    QCOMPARE(linesOf(page).size(), 1);
    QCOMPARE(page.penPosition().y(), 1000 + h);
}

void PrintTextTest::textLinesAlignOnX()
{
    DisplayList page;
    PrintTextLines(page, QStringLiteral("Kd:\r\nTotal A:"), 3000, 0, AlignCentre);
    PrintTextLines(page, QStringLiteral("Kd:"), 3000, 1000, AlignRight);
    const QList<PrintedLine> lines = linesOf(page);
    QCOMPARE(lines[0].x, float(3000 - page.textWidth(QStringLiteral("Kd:")) / 2));
    QCOMPARE(lines[1].x, float(3000 - page.textWidth(QStringLiteral("Total A:")) / 2));
    QCOMPARE(lines[2].x, float(3000 - page.textWidth(QStringLiteral("Kd:"))));
}
