#pragma once

#include "platform/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <algorithm>

// Controls made and placed the way the windows lay them out: named as the
// control, at a position and size in twips inside their parent.
namespace TwipsLayout {

template <typename Widget>
Widget *place(Widget *widget, const QString &name, double left, double top, double width, double height)
{
    widget->setObjectName(name);
    widget->setGeometry(Twips::toPixels(left, top, width, height));
    return widget;
}

inline QLabel *label(QWidget *parent, const QString &name, const QString &text, double left, double top, double width,
                     double height = 255)
{
    return place(new QLabel(text, parent), name, left, top, width, height);
}

// A label whose text wraps inside its box, from the top left.
inline QLabel *textBox(QWidget *parent, const QString &name, const QString &text, double left, double top, double width,
                       double height)
{
    QLabel *box = label(parent, name, text, left, top, width, height);
    box->setWordWrap(true);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
}

// Makes a wrapping text box as tall as its text needs at its width, never
// shorter than designed (pixels): a longer text or a larger font takes more
// lines, and the box must show them all.
inline void fitHeightToText(QLabel *box, int designedHeight)
{
    box->resize(box->width(), std::max(designedHeight, box->heightForWidth(box->width())));
}

inline QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, double left, double top,
                        double width, double height)
{
    return place(new QGroupBox(caption, parent), name, left, top, width, height);
}

inline QPushButton *button(QWidget *parent, const QString &name, const QString &caption, double left, double top,
                           double width, double height = 375)
{
    return place(new QPushButton(caption, parent), name, left, top, width, height);
}

} // namespace TwipsLayout
