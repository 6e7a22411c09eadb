#include "project/GraphRecord.h"

#include "graphing/DisplayList.h"
#include "graphing/GraphFigure.h"

#include <QDataStream>
#include <QIODevice>
#include <QJsonObject>

#include <vector>

namespace Project {
namespace {

constexpr quint32 RecordMark = 0x56474c31; // "VGL1"

struct RecordedItem
{
    DisplayItem item;
    SurfaceFont font;
    QString text;
};

QDataStream &operator<<(QDataStream &out, const RecordedItem &r)
{
    const DisplayItem &i = r.item;
    return out << quint8(i.kind) << i.filled << i.lineWidth << i.x1 << i.y1 << i.x2 << i.y2 << i.color << i.fill
               << r.font.name << r.font.size << r.font.bold << r.text;
}

QDataStream &operator>>(QDataStream &in, RecordedItem &r)
{
    DisplayItem &i = r.item;
    quint8 kind = 0;
    in >> kind >> i.filled >> i.lineWidth >> i.x1 >> i.y1 >> i.x2 >> i.y2 >> i.color >> i.fill >> r.font.name
        >> r.font.size >> r.font.bold >> r.text;
    if (kind > DisplayItem::Text)
        in.setStatus(QDataStream::ReadCorruptData);
    i.kind = DisplayItem::Kind(kind);
    return in;
}

void draw(const RecordedItem &r, DrawingSurface &surface)
{
    const DisplayItem &i = r.item;
    const QPointF p1(double(i.x1), double(i.y1));
    const QPointF p2(double(i.x2), double(i.y2));
    surface.setLineWidth(i.lineWidth);
    switch (i.kind) {
    case DisplayItem::Line:
        surface.drawLine(p1, p2, QColor::fromRgba(i.color));
        break;
    case DisplayItem::Point:
        surface.drawPoint(p1, QColor::fromRgba(i.color));
        break;
    case DisplayItem::Circle:
        surface.drawCircle(p1, double(i.x2), QColor::fromRgba(i.color), i.filled, QColor::fromRgba(i.fill),
                           i.lineWidth);
        break;
    case DisplayItem::Box:
        surface.drawBox(p1, p2, QColor::fromRgba(i.color), i.filled, QColor::fromRgba(i.fill));
        break;
    case DisplayItem::Text:
        surface.setFont(r.font.name, r.font.size, r.font.bold);
        surface.setPenPosition(p1);
        surface.printText(r.text, false);
        break;
    }
}

} // namespace

QByteArray RecordDisplayList(const DisplayList &list)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << RecordMark << quint64(list.items().size());
    for (const DisplayItem &item : list.items())
        out << RecordedItem{item, list.fontOf(item), list.textOf(item)};
    return bytes;
}

bool ReplayDisplayList(const QByteArray &bytes, DrawingSurface &surface)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 mark = 0;
    quint64 count = 0;
    in >> mark >> count;
    // Each item takes more than 40 bytes: a larger count is not a list.
    if (in.status() != QDataStream::Ok || mark != RecordMark || count > quint64(bytes.size()) / 40)
        return false;
    std::vector<RecordedItem> items(count);
    for (RecordedItem &item : items)
        in >> item;
    if (in.status() != QDataStream::Ok)
        return false;
    surface.clear();
    for (const RecordedItem &item : items)
        draw(item, surface);
    return true;
}

QJsonArray RecordGraphCurves()
{
    QJsonArray recorded;
    for (const modPlot_Graph::FigureCurve &curve : modPlot_Graph::GraphCurves()) {
        QJsonArray parameters;
        for (const modPlot_Graph::CurveParameter &p : curve.parameters)
            parameters.append(QJsonArray{p.name, p.value, p.unit});
        recorded.append(QJsonObject{{QStringLiteral("name"), curve.name}, {QStringLiteral("parameters"), parameters}});
    }
    return recorded;
}

void ReplayGraphCurves(const QJsonArray &curves)
{
    std::vector<modPlot_Graph::FigureCurve> replayed;
    for (const QJsonValue &value : curves) {
        const QJsonObject curve = value.toObject();
        modPlot_Graph::FigureCurve figureCurve;
        figureCurve.name = curve.value(QStringLiteral("name")).toString();
        for (const QJsonValue &parameter : curve.value(QStringLiteral("parameters")).toArray()) {
            const QJsonArray p = parameter.toArray();
            if (p.size() == 3 && p[1].isDouble())
                figureCurve.parameters.push_back({p[0].toString(), p[1].toDouble(), p[2].toString()});
        }
        replayed.push_back(figureCurve);
    }
    modPlot_Graph::SetGraphCurves(replayed);
}

} // namespace Project
