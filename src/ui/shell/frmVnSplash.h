#pragma once

#include <QWidget>

class QLabel;
class QTimer;
class frmVn_Main;

// The picture shown for about three seconds at start: three ticks of one
// second, then the main window and the start menu appear.
class frmVnSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmVnSplash(frmVn_Main *mainWindow);

    QTimer *Timer1 = nullptr;
    QLabel *picSplash = nullptr;

    void Timer1_Timer();
    bool showsPictureFile() const { return m_fromFile; }

private:
    frmVn_Main *m_main;
    int m_ticks = 0;
    bool m_fromFile = false;
};
