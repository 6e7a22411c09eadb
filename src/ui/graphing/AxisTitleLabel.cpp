#include "graphing/AxisTitleLabel.h"

#include "graphing/GraphPicture.h"
#include "platform/Twips.h"

AxisTitleLabel::AxisTitleLabel(const QString &name, QWidget *picture)
    : QLabel(picture)
{
    setObjectName(name);
    setMouseTracking(true);
    QFont font(QStringLiteral("Arial"), 9);
    font.setBold(true);
    setFont(font);
    if (const auto *graph = qobject_cast<const GraphPicture *>(picture))
        connect(graph, &GraphPicture::viewScaleChanged, this, &AxisTitleLabel::applyGeometry);
}

void AxisTitleLabel::setTwipsGeometry(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void AxisTitleLabel::setTwipsPosition(double left, double top)
{
    setTwipsGeometry(left, top, m_width, m_height);
}

void AxisTitleLabel::setTwipsSize(double width, double height)
{
    setTwipsGeometry(m_left, m_top, width, height);
}

void AxisTitleLabel::applyGeometry()
{
    // On a picture drawn larger than its twips size the title grows with it.
    const auto *picture = qobject_cast<const GraphPicture *>(parentWidget());
    const double scale = picture ? picture->viewScale() : 1;
    QFont scaled = font();
    scaled.setPointSizeF(9 * scale);
    setFont(scaled);
    setGeometry(picture ? picture->toPixels(m_left, m_top, m_width, m_height)
                        : Twips::toPixels(m_left, m_top, m_width, m_height));
}

void AxisTitleLabel::setBorderStyle(int style)
{
    m_borderStyle = style;
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
}

void AxisTitleLabel::setMousePointer(Pointer pointer)
{
    m_pointer = pointer;
    switch (pointer) {
    case PointerSizeNS:
        setCursor(Qt::SizeVerCursor);
        break;
    case PointerSizeNWSE:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case PointerSizeWE:
        setCursor(Qt::SizeHorCursor);
        break;
    case PointerSizeAll:
        setCursor(Qt::SizeAllCursor);
        break;
    }
}
