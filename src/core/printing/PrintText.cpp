#include "printing/PrintText.h"

#include "graphing/DrawingSurface.h"

namespace PrintText {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString withoutLeadingBlanks(const QString &text)
{
    int start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

// Where a line of the given width starts for an alignment at x (lines) or
// in the box from x of boxWidth (wrapped text).
double lineStart(double x, double boxWidth, double lineWidth, int align)
{
    switch (align) {
    case AlignCentre:
        return x + float((boxWidth - lineWidth) / 2);
    case AlignRight:
        return x + boxWidth - lineWidth;
    default:
        return x;
    }
}

void printLine(DrawingSurface &surface, const QString &line, double x)
{
    surface.setPenPosition(QPointF(x, surface.penPosition().y()));
    surface.printText(line, true);
}

// The length of the first line of wrapped text: the longest run of whole
// words, each with its following blank, that fits; all of it when it fits
// without another blank; the first word alone when even that is too wide.
int wrappedLineLength(const DrawingSurface &surface, const QString &text, double fitWidth)
{
    int fitted = 0;
    for (;;) {
        const int blank = int(text.indexOf(QLatin1Char(' '), fitted));
        if (blank < 0)
            return surface.textWidth(text) <= fitWidth || fitted == 0 ? int(text.size()) : fitted;
        if (surface.textWidth(text.left(blank + 1)) > fitWidth)
            return fitted > 0 ? fitted : blank + 1;
        fitted = blank + 1;
    }
}

} // namespace

void PrintWrappedText(DrawingSurface &surface, const QString &text, double left, double top, double width,
                      double /*height*/, int align)
{
    surface.setPenPosition(QPointF(surface.penPosition().x(), top));
    QString remaining = text;
    do {
        const int length = wrappedLineLength(surface, remaining, width - 10);
        const QString line = remaining.left(length);
        remaining = withoutLeadingBlanks(remaining.mid(length));
        printLine(surface, line, lineStart(left, width, surface.textWidth(line), align));
    } while (!remaining.isEmpty());
}

void PrintTextLines(DrawingSurface &surface, const QString &text, double x, double top, int align)
{
    surface.setPenPosition(QPointF(surface.penPosition().x(), top));
    QString remaining = text;
    do {
        const int lineBreak = int(remaining.indexOf(kLineBreak));
        const QString line = lineBreak < 0 ? remaining : remaining.left(lineBreak);
        remaining = lineBreak < 0 ? QString() : withoutLeadingBlanks(remaining.mid(lineBreak + kLineBreak.size()));
        printLine(surface, line, lineStart(x, 0, surface.textWidth(line), align));
    } while (!remaining.isEmpty());
}

} // namespace PrintText
