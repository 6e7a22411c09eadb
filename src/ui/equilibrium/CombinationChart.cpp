#include "equilibrium/CombinationChart.h"

#include "equilibrium/EquilibriumInput.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kHeaderHeight = 16;
constexpr int kColumns = 11;
// The least room between two column numbers, so that "10" and "11" read apart.
constexpr int kNumberGap = 4;

} // namespace

CombinationChart::CombinationChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setToolTip(QStringLiteral("Each column is one valid input combination: enter the three marked values."));
    setFixedSize(sizeHint());
}

QFont CombinationChart::numberFont() const
{
    QFont small = font();
    small.setPixelSize(8);
    return small;
}

int CombinationChart::columnWidth() const
{
    const QFontMetrics metrics(numberFont());
    return std::max(11, metrics.horizontalAdvance(QString::number(kColumns)) + kNumberGap);
}

QRect CombinationChart::numberRect(int column) const
{
    const QRect header(1 + column * columnWidth(), 0, columnWidth(), kHeaderHeight);
    return QFontMetrics(numberFont()).boundingRect(header, Qt::AlignCenter, QString::number(column + 1));
}

QSize CombinationChart::sizeHint() const
{
    return QSize(kColumns * columnWidth() + 2, kHeaderHeight + 6 * rowHeight + 2);
}

void CombinationChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const auto patterns = modVornish::AcceptedInputPatterns();
    const int column = columnWidth();

    p.setFont(numberFont());
    p.setPen(Qt::darkGray);
    for (int c = 0; c < patterns.size(); ++c)
        p.drawText(numberRect(c), Qt::AlignCenter, QString::number(c + 1));
    for (int r = 0; r < 6; ++r) {
        const int top = kHeaderHeight + r * rowHeight;
        p.fillRect(QRect(1, top, width() - 2, rowHeight), r % 2 ? QColor(240, 244, 250) : QColor(Qt::white));
    }
    p.setPen(QColor(200, 205, 215));
    for (int c = 0; c <= patterns.size(); ++c)
        p.drawLine(1 + c * column, kHeaderHeight, 1 + c * column, height() - 1);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    for (int c = 0; c < patterns.size(); ++c)
        for (int r = 0; r < 6; ++r)
            if (patterns[c][r])
                p.drawEllipse(QPointF(1 + c * column + column / 2.0, kHeaderHeight + r * rowHeight + rowHeight / 2.0),
                              3.5, 3.5);
    p.setPen(Qt::gray);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
