#pragma once

#include "platform/ChildWindow.h"

class AxisTitleLabel;
class GraphPicture;
class QRubberBand;

// "Graph": the picture every tool plots into, with the two axis titles,
// which the user drags to move and drags by their right or bottom edge to
// resize. A right click opens the Graph menu, a left click the Options
// window's axis tab.
class frmGraph : public ChildWindow
{
    Q_OBJECT

public:
    frmGraph();
    ~frmGraph() override;

    GraphPicture *PicGraph = nullptr;
    AxisTitleLabel *lblX_axis = nullptr;
    AxisTitleLabel *lblY_axis = nullptr;

    void Form_Load();

    // Positions are twips relative to the label, or to the picture.
    void lblX_axis_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void lblX_axis_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, double x, double y);
    void lblX_axis_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void lblY_axis_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void lblY_axis_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, double x, double y);
    void lblY_axis_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void PicGraph_DragDrop(AxisTitleLabel *source, double x, double y);
    void PicGraph_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, double x, double y);
    void PicGraph_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

    // The label being dragged (null when none).
    AxisTitleLabel *dragSource() const { return m_dragSource; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TitleMouseDown(AxisTitleLabel *label, Qt::MouseButton button, double x, double y);
    void TitleFollowPointer(AxisTitleLabel *label, double x, double y);
    void FinishResizeAt(AxisTitleLabel *label, double x, double y);
    bool TitleEvent(AxisTitleLabel *label, QEvent *event);

    double m_grabX = 0, m_grabY = 0; // where the dragged title was grabbed, twips
    AxisTitleLabel *m_dragSource = nullptr;
    QRubberBand *m_dragOutline = nullptr;
};
