#include "shell/ToolIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ToolIcons {
namespace {

const QColor kInk(30, 50, 110);
const QColor kAccent(200, 60, 40);

void drawPage(QPainter &p, QRectF r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (double y = r.top() + r.height() * 0.3; y < r.bottom() - 2; y += r.height() * 0.2)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void drawReaction(QPainter &p, const QRectF &r)
{
    // Two partners meeting: A (circle) and B (cup) with the equilibrium arrows.
    const double s = r.width();
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(r.left() + s * 0.05, r.top() + s * 0.3, s * 0.3, s * 0.3));
    p.setBrush(kInk);
    QPainterPath cup;
    cup.moveTo(r.left() + s * 0.65, r.top() + s * 0.3);
    cup.arcTo(QRectF(r.left() + s * 0.6, r.top() + s * 0.3, s * 0.35, s * 0.35), 90, 180);
    cup.closeSubpath();
    p.drawPath(cup);
    p.setPen(QPen(kInk, s / 16));
    p.drawLine(QPointF(r.left() + s * 0.38, r.top() + s * 0.4), QPointF(r.left() + s * 0.58, r.top() + s * 0.4));
    p.drawLine(QPointF(r.left() + s * 0.5, r.top() + s * 0.33), QPointF(r.left() + s * 0.58, r.top() + s * 0.4));
    p.drawLine(QPointF(r.left() + s * 0.38, r.top() + s * 0.52), QPointF(r.left() + s * 0.58, r.top() + s * 0.52));
    p.drawLine(QPointF(r.left() + s * 0.38, r.top() + s * 0.52), QPointF(r.left() + s * 0.46, r.top() + s * 0.59));
}

void drawScatchard(QPainter &p, const QRectF &r)
{
    const double s = r.width();
    p.setPen(QPen(Qt::black, s / 24));
    p.drawLine(QPointF(r.left() + s * 0.1, r.top() + s * 0.1), QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1));
    p.drawLine(QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1), QPointF(r.right() - s * 0.1, r.bottom() - s * 0.1));
    p.setPen(QPen(kAccent, s / 16));
    p.drawLine(QPointF(r.left() + s * 0.15, r.top() + s * 0.2), QPointF(r.right() - s * 0.15, r.bottom() - s * 0.2));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const double d = s * 0.12;
    for (double t : {0.25, 0.45, 0.65})
        p.drawRect(QRectF(r.left() + s * t, r.top() + s * (t + 0.02) - d / 2, d, d));
}

// A saturation curve rising to its plateau over measured points.
void drawSaturation(QPainter &p, const QRectF &r)
{
    const double s = r.width();
    p.setPen(QPen(Qt::black, s / 24));
    p.drawLine(QPointF(r.left() + s * 0.1, r.top() + s * 0.1), QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1));
    p.drawLine(QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1), QPointF(r.right() - s * 0.1, r.bottom() - s * 0.1));
    QPainterPath curve;
    curve.moveTo(r.left() + s * 0.12, r.bottom() - s * 0.12);
    curve.cubicTo(r.left() + s * 0.25, r.top() + s * 0.25, r.left() + s * 0.45, r.top() + s * 0.22, r.right() - s * 0.1,
                  r.top() + s * 0.2);
    p.setPen(QPen(kAccent, s / 14));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const double d = s * 0.1;
    for (const QPointF at : {QPointF(0.22, 0.48), QPointF(0.42, 0.28), QPointF(0.7, 0.24)})
        p.drawEllipse(QRectF(r.left() + s * at.x() - d / 2, r.top() + s * at.y() - d / 2, d, d));
}

void drawDynamic(QPainter &p, const QRectF &r)
{
    const double s = r.width();
    p.setPen(QPen(Qt::black, s / 24));
    p.drawLine(QPointF(r.left() + s * 0.1, r.top() + s * 0.1), QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1));
    p.drawLine(QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1), QPointF(r.right() - s * 0.1, r.bottom() - s * 0.1));
    QPainterPath curve;
    curve.moveTo(r.left() + s * 0.12, r.bottom() - s * 0.15);
    curve.cubicTo(r.left() + s * 0.3, r.top() + s * 0.2, r.left() + s * 0.45, r.top() + s * 0.25, r.left() + s * 0.55,
                  r.top() + s * 0.3);
    curve.lineTo(r.left() + s * 0.55, r.top() + s * 0.6);
    curve.cubicTo(r.left() + s * 0.65, r.top() + s * 0.35, r.left() + s * 0.8, r.top() + s * 0.3, r.right() - s * 0.1,
                  r.top() + s * 0.3);
    p.setPen(QPen(kAccent, s / 14));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

// A falling sigmoid over a log axis, its midpoint marked.
void drawCompetition(QPainter &p, const QRectF &r)
{
    const double s = r.width();
    p.setPen(QPen(Qt::black, s / 24));
    p.drawLine(QPointF(r.left() + s * 0.1, r.top() + s * 0.1), QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1));
    p.drawLine(QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1), QPointF(r.right() - s * 0.1, r.bottom() - s * 0.1));
    QPainterPath curve;
    curve.moveTo(r.left() + s * 0.14, r.top() + s * 0.22);
    curve.cubicTo(r.left() + s * 0.55, r.top() + s * 0.22, r.left() + s * 0.45, r.bottom() - s * 0.2,
                  r.right() - s * 0.12, r.bottom() - s * 0.2);
    p.setPen(QPen(kAccent, s / 14));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(r.left() + s * 0.5, r.top() + s * 0.5), s * 0.07, s * 0.07);
}

void drawKineticsFit(QPainter &p, const QRectF &r)
{
    // Measured points on two rising curves.
    const double s = r.width();
    p.setPen(QPen(Qt::black, s / 24));
    p.drawLine(QPointF(r.left() + s * 0.1, r.top() + s * 0.1), QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1));
    p.drawLine(QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1), QPointF(r.right() - s * 0.1, r.bottom() - s * 0.1));
    p.setBrush(Qt::NoBrush);
    for (double height : {0.65, 0.35}) {
        QPainterPath curve;
        curve.moveTo(r.left() + s * 0.12, r.bottom() - s * 0.12);
        curve.cubicTo(r.left() + s * 0.3, r.top() + s * (1.0 - height), r.left() + s * 0.5,
                      r.top() + s * (0.9 - height), r.right() - s * 0.1, r.top() + s * (0.88 - height));
        p.setPen(QPen(height > 0.5 ? kAccent : kInk, s / 16));
        p.drawPath(curve);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (double t : {0.3, 0.5, 0.7})
        p.drawEllipse(QPointF(r.left() + s * t, r.top() + s * (0.62 - 0.35 * t)), s * 0.05, s * 0.05);
}

// A planned series of log-spaced points on a rising curve, a clock above.
void drawPlanner(QPainter &p, const QRectF &r)
{
    const double s = r.width();
    p.setPen(QPen(Qt::black, s / 24));
    p.drawLine(QPointF(r.left() + s * 0.1, r.top() + s * 0.1), QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1));
    p.drawLine(QPointF(r.left() + s * 0.1, r.bottom() - s * 0.1), QPointF(r.right() - s * 0.1, r.bottom() - s * 0.1));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    for (double t : {0.2, 0.35, 0.5, 0.65, 0.8})
        p.drawEllipse(QPointF(r.left() + s * t, r.bottom() - s * (0.15 + 0.5 / (1 + std::exp(-10 * (t - 0.5))))),
                      s * 0.05, s * 0.05);
    p.setPen(QPen(kInk, s / 20));
    p.setBrush(Qt::NoBrush);
    const QPointF clock(r.left() + s * 0.3, r.top() + s * 0.28);
    p.drawEllipse(clock, s * 0.14, s * 0.14);
    p.drawLine(clock, clock + QPointF(0, -s * 0.1));
    p.drawLine(clock, clock + QPointF(s * 0.07, 0));
}

QPixmap canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap toolPicture(const QString &key, int size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, qMax(1, size / 20)));
    const QRectF r(0, 0, size, size);
    if (key == QLatin1String("Scatchard Analysis"))
        drawScatchard(p, r);
    else if (key == QLatin1String("DynamVn"))
        drawDynamic(p, r);
    else if (key == QLatin1String("Kinetics Fit"))
        drawKineticsFit(p, r);
    else if (key == QLatin1String("Saturation Binding"))
        drawSaturation(p, r);
    else if (key == QLatin1String("Competition"))
        drawCompetition(p, r);
    else if (key == QLatin1String("Assay Planner"))
        drawPlanner(p, r);
    else
        drawReaction(p, r);
    return pixmap;
}

QIcon icon(const QString &key)
{
    const int size = 24;
    if (key == QLatin1String("Vornish") || key == QLatin1String("Scatchard Analysis") || key == QLatin1String("DynamVn")
        || key == QLatin1String("Saturation Binding") || key == QLatin1String("Competition")
        || key == QLatin1String("Kinetics Fit") || key == QLatin1String("Assay Planner"))
        return QIcon(toolPicture(key, size));

    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.5));
    if (key == QLatin1String("New")) {
        drawPage(p, QRectF(5, 2, 14, 19));
    } else if (key == QLatin1String("Print")) {
        drawPage(p, QRectF(7, 2, 10, 9));
        p.setBrush(QColor(190, 190, 200));
        p.drawRoundedRect(QRectF(2, 10, 20, 8), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 16, 10, 6));
    } else if (key == QLatin1String("Cut")) {
        p.drawEllipse(QRectF(3, 14, 7, 7));
        p.drawEllipse(QRectF(14, 14, 7, 7));
        p.drawLine(QPointF(8, 15), QPointF(17, 2));
        p.drawLine(QPointF(16, 15), QPointF(7, 2));
    } else if (key == QLatin1String("Copy")) {
        drawPage(p, QRectF(3, 2, 12, 15));
        drawPage(p, QRectF(9, 7, 12, 15));
    } else if (key == QLatin1String("Paste")) {
        p.setBrush(QColor(180, 140, 80));
        p.drawRoundedRect(QRectF(3, 4, 15, 18), 2, 2);
        drawPage(p, QRectF(10, 9, 11, 13));
    }
    return QIcon(pixmap);
}

QPixmap splashPicture(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(235, 240, 250));
    sky.setColorAt(1, QColor(170, 190, 225));
    p.fillRect(pixmap.rect(), sky);
    const int pic = size.height() / 2;
    p.drawPixmap(size.width() / 16, size.height() / 4, toolPicture(QStringLiteral("Vornish"), pic));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(size.height() / 6);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kInk);
    const QRect textArea(size.width() / 16 + pic, 0, size.width() - pic - size.width() / 8, size.height());
    p.drawText(textArea, Qt::AlignCenter, QStringLiteral("Vornish"));
    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(size.height() / 18);
    p.setFont(line);
    p.drawText(textArea.adjusted(0, size.height() / 4, 0, 0), Qt::AlignCenter, QStringLiteral("A + B <=> [A/B]"));
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pixmap.rect().adjusted(1, 1, -2, -2));
    return pixmap;
}

QPixmap arrow(int quarterTurns, int size)
{
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.rotate(90.0 * quarterTurns);
    p.setPen(QPen(kInk, size / 10.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const double r = size * 0.32;
    p.drawArc(QRectF(-r, -r, 2 * r, 2 * r), 90 * 16, 270 * 16);
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    QPainterPath head;
    head.moveTo(0, -r - size * 0.14);
    head.lineTo(size * 0.2, -r);
    head.lineTo(0, -r + size * 0.14);
    head.closeSubpath();
    p.drawPath(head);
    return pixmap;
}

} // namespace ToolIcons
