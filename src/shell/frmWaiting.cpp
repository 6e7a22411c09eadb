#include "shell/frmWaiting.h"

#include "shell/ToolIcons.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

frmWaiting::frmWaiting()
    : ChildWindow(QStringLiteral("frmWaiting"), QStringLiteral("Simulating..."))
{
    setWindowFlags(windowFlags() & ~(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    auto *content = new QWidget();
    content->setFixedSize(64, 64);
    for (int i = 0; i < 4; ++i) {
        picArrow[i] = new QLabel(content);
        picArrow[i]->setObjectName(QStringLiteral("picArrow_%1").arg(i));
        picArrow[i]->setPixmap(ToolIcons::arrow(i, 48));
        picArrow[i]->setGeometry(8, 8, 48, 48);
    }
    picArrow[0]->raise();
    setWidget(content);
    setTwipsPosition(0, 0);
    adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmWaiting::Timer1_Timer);
}

void frmWaiting::Timer1_Timer()
{
    m_index = short(m_index + 1);
    if (m_index == 4)
        m_index = 0;
    picArrow[m_index]->raise();
    QCoreApplication::processEvents();
}
