#include "RunningProgram.h"
#include "TestMain.h"
#include "TextFit.h"

#include "dynamic/frmDynamVnTlAssistant.h"
#include "equilibrium/frmVnTlAssistant.h"
#include "scatchard/frmScatchTlAssistant.h"
#include "scatchard/frmScatchard.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>

namespace {

// The controls the user sees in a window, in the window's coordinates.
QList<QPair<QWidget *, QRect>> shownControls(QMdiSubWindow *window)
{
    QList<QPair<QWidget *, QRect>> controls;
    for (QWidget *control : window->widget()->findChildren<QWidget *>()) {
        const bool leaf = control->findChildren<QWidget *>().isEmpty() && !qobject_cast<QGroupBox *>(control);
        if (leaf && control->isVisible())
            // Less a pixel: labels designed a pixel into each other's margins are not drawn over each other.
            controls.append(
                {control, QRect(control->mapTo(window, QPoint(0, 0)), control->size()).adjusted(1, 1, -1, -1)});
    }
    return controls;
}

} // namespace

// Windows as the user sees them: texts whole, controls apart.
class WindowFitTest : public QObject
{
    Q_OBJECT

    RunningProgram program;

private slots:
    void init() { program.start(); }
    void cleanup() { program.stop(); }

    void textsFitTheirWindows()
    {
        AppWindows &w = appWindows();
        for (ChildWindow *assistant :
             std::initializer_list<ChildWindow *>{w.vornishAssistant, w.scatchardAssistant, w.dynamicAssistant}) {
            assistant->showInFront();
            QVERIFY2(TextFit::captionProblem(assistant).isEmpty(), qPrintable(TextFit::captionProblem(assistant)));
        }

        w.scatchardAssistant->lblBoundAndBoundFree_Click();
        for (QLabel *topic : {w.scatchardAssistant->lblTitle, w.scatchardAssistant->lblText})
            QVERIFY2(TextFit::labelProblem(topic).isEmpty(), qPrintable(TextFit::labelProblem(topic)));

        // The heading keeps one line, with "Value (nM)" over the field column.
        frmVornish &tool = program.vornish();
        tool.showInFront();
        QLabel *heading = tool.lblInputHeading;
        QVERIFY2(TextFit::labelProblem(heading).isEmpty(), qPrintable(TextFit::labelProblem(heading)));
        const QString text = heading->text();
        const int valueAt = heading->mapTo(tool.Frame1, heading->contentsRect().topLeft()).x()
                            + heading->fontMetrics().horizontalAdvance(text.left(text.indexOf("Value")));
        QVERIFY(valueAt >= tool.txtA->mapTo(tool.Frame1, QPoint(0, 0)).x());
    }

    void tilingKeepsControlsApart()
    {
        AppWindows &w = appWindows();
        for (ChildWindow *window : std::initializer_list<ChildWindow *>{w.vornish, w.vornishAssistant, w.scatchard,
                                                                        w.scatchardAssistant, w.options, w.graph})
            window->showInFront();
        program.main->action("mnuWindowTileHorizontal")->trigger();
        for (QMdiSubWindow *window : program.main->mdiArea->subWindowList()) {
            if (!window->isVisible())
                continue;
            const QList<QPair<QWidget *, QRect>> controls = shownControls(window);
            for (int i = 0; i < controls.size(); ++i) {
                QVERIFY2(window->rect().contains(controls[i].second),
                         qPrintable(controls[i].first->objectName() + " cut in " + window->objectName()));
                for (int j = i + 1; j < controls.size(); ++j) {
                    QVERIFY2(!controls[i].second.intersects(controls[j].second),
                             qPrintable(controls[i].first->objectName() + " over " + controls[j].first->objectName()
                                        + " in " + window->objectName()));
                }
            }
        }
    }
};

VORNISH_TEST(WindowFitTest)

#include "tst_window_fit.moc"
