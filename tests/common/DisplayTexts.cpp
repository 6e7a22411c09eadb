#include "DisplayTexts.h"

#include "graphing/DisplayList.h"

#include <QColor>

QStringList displayTexts(const DisplayList &list)
{
    QStringList texts;
    for (const DisplayItem &item : list.items())
        if (item.kind == DisplayItem::Text)
            texts << list.textOf(item);
    return texts;
}

QStringList legendEntries(const DisplayList &list)
{
    QStringList entries;
    QRgb sample = 0;
    for (const DisplayItem &item : list.legendItems()) {
        if (item.kind == DisplayItem::Line)
            sample = item.color;
        else if (item.kind == DisplayItem::Text)
            entries << list.textOf(item) + " " + QColor(sample).name();
    }
    return entries;
}
