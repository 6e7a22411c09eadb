#include "graphing/frmGraph.h"

#include "exchange/ToolData.h"
#include "graphing/AxisTitleLabel.h"
#include "graphing/GraphPicture.h"
#include "graphing/GraphState.h"
#include "graphing/GraphWindows.h"
#include "graphing/frmOptions.h"
#include "platform/MainFrame.h"
#include "platform/Twips.h"
#include "session/Session.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The right and bottom tenth of a title are its resize edges.
constexpr double edgeShare = 0.9;

} // namespace

frmGraph::frmGraph()
    : ChildWindow(QStringLiteral("frmGraph"), QStringLiteral("Graph"))
{
    ToolData::RegisterWindow(this, ToolData::Source::Graph);
    auto *content = new QWidget();
    PicGraph = new GraphPicture(content);
    // The picture takes the window's room: a larger window, a larger graph.
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PicGraph);
    lblX_axis = new AxisTitleLabel(QStringLiteral("lblX_axis"), PicGraph);
    lblX_axis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblY_axis = new AxisTitleLabel(QStringLiteral("lblY_axis"), PicGraph);
    lblY_axis->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblY_axis->setWordWrap(true);
    m_dragOutline = new QRubberBand(QRubberBand::Rectangle, PicGraph);
    setWidget(content);

    for (AxisTitleLabel *label : {lblX_axis, lblY_axis})
        label->installEventFilter(this);
    connect(PicGraph, &GraphPicture::mouseMoved, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF at) {
                PicGraph_MouseMove(buttons, shift, at.x(), at.y());
            });
    connect(PicGraph, &GraphPicture::mouseReleased, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF at) {
                PicGraph_MouseUp(button, shift, at.x(), at.y());
            });
    modPlot_Graph::SetGraphSurface(PicGraph);
    Form_Load();
}

frmGraph::~frmGraph()
{
    if (modPlot_Graph::GraphSurface() == PicGraph)
        modPlot_Graph::SetGraphSurface(nullptr);
}

void frmGraph::Form_Load()
{
    setTwipsGeometry(5070, 0, 6060, 5895);
    PicGraph->setTwipsSize(5940, 5415);
    PicGraph->growWithRoom();
    PicGraph->clearPicture();
    Session::current().setGraphSource(modPlot_Graph::NoTool);
    lblX_axis->setText(QStringLiteral("X axis"));
    lblY_axis->setText(QStringLiteral("Y-axis"));
    lblX_axis->setBorderStyle(0);
    lblY_axis->setBorderStyle(0);
    lblX_axis->setTwipsGeometry(2880, 4680, 1875, 375);
    lblY_axis->setTwipsGeometry(120, 1680, 1185, 720);
}

void frmGraph::TitleMouseDown(AxisTitleLabel *label, Qt::MouseButton button, double x, double y)
{
    if (button != Qt::LeftButton)
        return;
    m_grabX = x;
    m_grabY = y;
    if (x < edgeShare * label->twipsWidth() && y < edgeShare * label->twipsHeight()) {
        m_dragSource = label;
        m_dragOutline->setGeometry(label->geometry());
        m_dragOutline->show();
    } else {
        label->setBorderStyle(1);
    }
}

void frmGraph::TitleFollowPointer(AxisTitleLabel *label, double x, double y)
{
    const bool rightEdge = x >= edgeShare * label->twipsWidth();
    const bool bottomEdge = y >= edgeShare * label->twipsHeight();
    const bool resizing = label->inResizeMode();
    if (!rightEdge && !bottomEdge) {
        label->setMousePointer(AxisTitleLabel::PointerSizeAll);
    } else if (rightEdge && bottomEdge) {
        label->setMousePointer(AxisTitleLabel::PointerSizeNWSE);
        if (resizing)
            label->setTwipsSize(std::fabs(x), std::fabs(y));
    } else if (rightEdge) {
        label->setMousePointer(AxisTitleLabel::PointerSizeWE);
        if (resizing)
            label->setTwipsSize(std::fabs(x), label->twipsHeight());
    } else {
        label->setMousePointer(AxisTitleLabel::PointerSizeNS);
        if (resizing)
            label->setTwipsSize(label->twipsWidth(), std::fabs(y));
    }
}

void frmGraph::lblX_axis_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, double x, double y)
{
    TitleMouseDown(lblX_axis, button, x, y);
}

void frmGraph::lblY_axis_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, double x, double y)
{
    TitleMouseDown(lblY_axis, button, x, y);
}

void frmGraph::lblX_axis_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y)
{
    TitleFollowPointer(lblX_axis, x, y);
}

void frmGraph::lblY_axis_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y)
{
    TitleFollowPointer(lblY_axis, x, y);
}

void frmGraph::lblX_axis_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    if (!lblX_axis->inResizeMode())
        return;
    TitleFollowPointer(lblX_axis, x, y);
    lblX_axis->setBorderStyle(0);
}

void frmGraph::lblY_axis_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    if (!lblY_axis->inResizeMode())
        return;
    TitleFollowPointer(lblY_axis, x, y);
    lblY_axis->setBorderStyle(0);
}

void frmGraph::PicGraph_DragDrop(AxisTitleLabel *source, double x, double y)
{
    if (source)
        source->setTwipsPosition(x - m_grabX, y - m_grabY);
}

void frmGraph::PicGraph_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y)
{
    // A resize goes on after the pointer has left its title.
    for (AxisTitleLabel *label : {lblX_axis, lblY_axis}) {
        if (!label->inResizeMode())
            continue;
        const int pointer = label->mousePointer();
        double width = label->twipsWidth();
        double height = label->twipsHeight();
        if (pointer == AxisTitleLabel::PointerSizeNS || pointer == AxisTitleLabel::PointerSizeNWSE)
            height = std::fabs(y - label->twipsTop());
        if (pointer == AxisTitleLabel::PointerSizeWE || pointer == AxisTitleLabel::PointerSizeNWSE)
            width = std::fabs(x - label->twipsLeft());
        label->setTwipsSize(width, height);
    }
}

void frmGraph::FinishResizeAt(AxisTitleLabel *label, double x, double y)
{
    label->setTwipsSize(std::fabs(x - label->twipsLeft()), std::fabs(y - label->twipsTop()));
    label->setBorderStyle(0);
}

void frmGraph::PicGraph_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, double x, double y)
{
    if (button == Qt::RightButton) {
        MainFrame::popupGraphMenu(QCursor::pos());
        return;
    }
    if (lblX_axis->inResizeMode())
        FinishResizeAt(lblX_axis, x, y);
    else if (lblY_axis->inResizeMode())
        FinishResizeAt(lblY_axis, x, y);
    else if (frmOptions *options = graphWindows().options)
        options->ShowOnTab(frmOptions::TabAxis);
}

bool frmGraph::TitleEvent(AxisTitleLabel *label, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPointF at = PicGraph->toTwips(mouse->position());
    const QPointF onPicture = at + QPointF(label->twipsLeft(), label->twipsTop());
    const bool outside = at.x() < 0 || at.y() < 0 || at.x() > label->twipsWidth() || at.y() > label->twipsHeight();
    const bool isX = label == lblX_axis;

    switch (type) {
    case QEvent::MouseButtonPress:
        isX ? lblX_axis_MouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y())
            : lblY_axis_MouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y());
        return true;
    case QEvent::MouseMove:
        if (m_dragSource == label) {
            const QPoint pointer = label->mapToParent(mouse->position().toPoint());
            m_dragOutline->move(pointer - PicGraph->toPixels(m_grabX, m_grabY, 0, 0).topLeft());
            return true;
        }
        if (label->inResizeMode() && outside)
            PicGraph_MouseMove(mouse->buttons(), mouse->modifiers(), onPicture.x(), onPicture.y());
        else
            isX ? lblX_axis_MouseMove(mouse->buttons(), mouse->modifiers(), at.x(), at.y())
                : lblY_axis_MouseMove(mouse->buttons(), mouse->modifiers(), at.x(), at.y());
        return true;
    case QEvent::MouseButtonRelease:
        if (m_dragSource == label) {
            m_dragSource = nullptr;
            m_dragOutline->hide();
            if (PicGraph->rect().contains(label->mapToParent(mouse->position().toPoint())))
                PicGraph_DragDrop(label, onPicture.x(), onPicture.y());
            return true;
        }
        if (outside)
            PicGraph_MouseUp(mouse->button(), mouse->modifiers(), onPicture.x(), onPicture.y());
        else
            isX ? lblX_axis_MouseUp(mouse->button(), mouse->modifiers(), at.x(), at.y())
                : lblY_axis_MouseUp(mouse->button(), mouse->modifiers(), at.x(), at.y());
        return true;
    default:
        return false;
    }
}

bool frmGraph::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblX_axis || watched == lblY_axis)
        return TitleEvent(static_cast<AxisTitleLabel *>(watched), event);
    return ChildWindow::eventFilter(watched, event);
}
