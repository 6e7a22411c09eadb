#include "shell/frmWaiting.h"

#include "shell/ToolIcons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int arrowSize = 48;
constexpr int arrowMargin = 8;

} // namespace

frmWaiting::frmWaiting()
    : ChildWindow(QStringLiteral("frmWaiting"), QStringLiteral("Simulating..."))
{
    setWindowFlags(windowFlags() & ~Qt::WindowMinMaxButtonsHint);
    auto *content = new QWidget();
    // The four arrows lie on top of each other, in the middle of the window.
    auto *stack = new QGridLayout(content);
    stack->setContentsMargins(arrowMargin, arrowMargin, arrowMargin, arrowMargin);
    for (int i = 0; i < 4; ++i) {
        picArrow[i] = new QLabel(content);
        picArrow[i]->setObjectName(QStringLiteral("picArrow_%1").arg(i));
        picArrow[i]->setPixmap(ToolIcons::arrow(i, arrowSize));
        stack->addWidget(picArrow[i], 0, 0, Qt::AlignCenter);
    }
    picArrow[0]->raise();
    setWidget(content);
    setTwipsPosition(0, 0);

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmWaiting::Timer1_Timer);
    // Escape anywhere in the program's window stops the run the notice
    // stands for: the notice itself need not have the focus.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmWaiting::requestCancel);
}

void frmWaiting::Start(const QRect &keepClear)
{
    m_cancelRequested = false;
    fitContents();
    placeBeside(keepClear);
    showInFront();
    Timer1->start();
}

void frmWaiting::Stop()
{
    hide();
    Timer1->stop();
}

void frmWaiting::Timer1_Timer()
{
    m_index = short(m_index + 1);
    if (m_index == 4)
        m_index = 0;
    picArrow[m_index]->raise();
    QCoreApplication::processEvents();
}

void frmWaiting::closeEvent(QCloseEvent *event)
{
    if (!Timer1->isActive()) {
        ChildWindow::closeEvent(event);
        return;
    }
    event->ignore();
    requestCancel();
}

void frmWaiting::requestCancel()
{
    if (Timer1->isActive())
        m_cancelRequested = true;
}

// The arrow whole below the title bar, whose size is known only inside
// the main window's frame; and the caption whole in the title bar, which
// draws it in the space of its label, less a margin, in the title bar font
// (bold in some styles).
void frmWaiting::fitContents()
{
    adjustSize();
    resize(std::max(width(), captionWidth()), height());
}

// To the right of the wizard, else below it, else to its left, whichever
// fits in the client area first; else the area's bottom right corner, away
// from the tabs at the wizard's top.
void frmWaiting::placeBeside(const QRect &keepClear)
{
    const QMdiArea *area = mdiArea();
    if (!area)
        return;
    const QRect room = area->viewport()->rect();
    const QSize own = size();
    const QPoint places[] = {{keepClear.right() + 1, keepClear.top()},
                             {keepClear.left(), keepClear.bottom() + 1},
                             {keepClear.left() - own.width(), keepClear.top()}};
    for (const QPoint &at : places) {
        if (room.contains(QRect(at, own))) {
            move(at);
            return;
        }
    }
    move(std::max(0, room.right() + 1 - own.width()), std::max(0, room.bottom() + 1 - own.height()));
}
