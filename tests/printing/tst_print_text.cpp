#include "tst_printing.h"

#include "graphing/DisplayList.h"
#include "printing/PrintText.h"

using namespace PrintText;

namespace {

// The printed lines of a surface: text, x and y.
QList<std::tuple<QString, float, float>> linesOf(const DisplayList &list)
{
    QList<std::tuple<QString, float, float>> lines;
    for (const DisplayItem &item : list.items())
        if (item.kind == DisplayItem::Text)
            lines << std::make_tuple(list.textOf(item), item.x1, item.y1);
    return lines;
}

} // namespace

void PrintTextTest::wrappedTextBreaksBetweenWordsAndAligns()
{
    DisplayList page;
    page.setFont(QStringLiteral("Arial"), 9, true);
    const double h = page.textHeight();
    const auto w = [&page](const char *text) { return page.textWidth(QLatin1String(text)); };
    // The box just holds "aaa bbb " (a line keeps 10 twips clear of the edge);
    // the blanks after a break are dropped; each line aligns by its own width.
    const double width = w("aaa bbb ") + 10;
    PrintWrappedText(page, QStringLiteral("aaa bbb    ccc d"), 500, 2000, width, 300, AlignLeft);
    PrintWrappedText(page, QStringLiteral("aaa bbb c"), 500, 3000, width, 300, AlignRight);
    PrintWrappedText(page, QStringLiteral("aaa"), 500, 4000, width, 300, AlignCentre);
    QCOMPARE(linesOf(page), (QList<std::tuple<QString, float, float>>{
                                {"aaa bbb ", 500, 2000},
                                {"ccc d", 500, float(2000 + h)},
                                {"aaa bbb ", float(500 + width - w("aaa bbb ")), 3000},
                                {"c", float(500 + width - w("c")), float(3000 + h)},
                                {"aaa", float(500 + float((width - w("aaa")) / 2)), 4000},
                            }));
    QCOMPARE(page.penPosition(), QPointF(0, 4000 + h));

    // A word wider than the box stands alone instead of stopping the
    // breaking; an empty text is one empty line.
    page.clear();
    PrintWrappedText(page, QStringLiteral("Concentration of [A/B]"), 0, 0, 200, 300, AlignLeft);
    PrintWrappedText(page, QString(), 0, 1000, 200, 300, AlignLeft);
    QStringList texts;
    for (const auto &line : linesOf(page))
        texts << std::get<0>(line);
    QCOMPARE(texts, QStringList({"Concentration ", "of ", "[A/B]", ""}));
}

void PrintTextTest::textLinesSplitAtLineBreaksAndAlign()
{
    DisplayList page;
    const double h = page.textHeight();
    // Blanks are dropped after a line break only; a final break adds no line.
    PrintTextLines(page, QStringLiteral("  one\r\n   two\r\n\r\nfour\r\n"), 1000, 6000, AlignLeft);
    PrintTextLines(page, QStringLiteral("Kd:"), 3000, 0, AlignCentre);
    PrintTextLines(page, QStringLiteral("Kd:"), 3000, 500, AlignRight);
    PrintTextLines(page, QString(), 1000, 1000, AlignLeft);
    const double kd = page.textWidth(QStringLiteral("Kd:"));
    QCOMPARE(linesOf(page), (QList<std::tuple<QString, float, float>>{
                                {"  one", 1000, 6000},
                                {"two", 1000, float(6000 + h)},
                                {"", 1000, float(6000 + 2 * h)},
                                {"four", 1000, float(6000 + 3 * h)},
                                {"Kd:", float(3000 + float(-kd / 2)), 0},
                                {"Kd:", float(3000 - kd), 500},
                                {"", 1000, 1000},
                            }));
}
