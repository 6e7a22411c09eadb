#include "equilibrium/CombinationChart.h"

#include "equilibrium/EquilibriumInput.h"

#include <QPainter>

namespace {

constexpr int kColumnWidth = 11;
constexpr int kHeaderHeight = 16;

} // namespace

CombinationChart::CombinationChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setToolTip(QStringLiteral("Each column is one valid input combination: enter the three marked values."));
    setFixedSize(sizeHint());
}

QSize CombinationChart::sizeHint() const
{
    return QSize(11 * kColumnWidth + 2, kHeaderHeight + 6 * rowHeight + 2);
}

void CombinationChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const auto patterns = modVornish::AcceptedInputPatterns();

    QFont small = font();
    small.setPixelSize(8);
    p.setFont(small);
    for (int c = 0; c < patterns.size(); ++c) {
        const QRect header(1 + c * kColumnWidth, 0, kColumnWidth, kHeaderHeight);
        p.setPen(Qt::darkGray);
        p.drawText(header, Qt::AlignCenter, QString::number(c + 1));
    }
    for (int r = 0; r < 6; ++r) {
        const int top = kHeaderHeight + r * rowHeight;
        p.fillRect(QRect(1, top, width() - 2, rowHeight), r % 2 ? QColor(240, 244, 250) : QColor(Qt::white));
    }
    p.setPen(QColor(200, 205, 215));
    for (int c = 0; c <= patterns.size(); ++c)
        p.drawLine(1 + c * kColumnWidth, kHeaderHeight, 1 + c * kColumnWidth, height() - 1);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    for (int c = 0; c < patterns.size(); ++c)
        for (int r = 0; r < 6; ++r)
            if (patterns[c][r])
                p.drawEllipse(QPointF(1 + c * kColumnWidth + kColumnWidth / 2.0,
                                      kHeaderHeight + r * rowHeight + rowHeight / 2.0),
                              3.5, 3.5);
    p.setPen(Qt::gray);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
