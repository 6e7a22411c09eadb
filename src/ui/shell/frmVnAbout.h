#pragma once

#include "platform/ChildWindow.h"

class QFrame;
class QLabel;
class QTimer;

// The About window: product name, version and two contact lines, without a
// caption bar. It closes itself after twenty seconds, at once on a click, or
// when a contact line opens its page of the guide in the help window.
class frmVnAbout : public ChildWindow
{
    Q_OBJECT

public:
    // mainWindow: the frame whose size centres the window.
    explicit frmVnAbout(QWidget *mainWindow);

    QFrame *fraAbout = nullptr;
    QLabel *picSplash = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblContactInfo1 = nullptr;
    QLabel *lblContactInfo2 = nullptr;
    QTimer *AboutTimer = nullptr; // 1000 ms, runs only while the window is shown

    // Help > About: shows the window (not modal) and starts the timer at 0.
    void ShowAbout();

    void AboutTimer_Timer();
    // A click on the window, its frame, its picture or any line but the
    // contact lines.
    void Form_Click();
    void lblContactInfo1_Click();
    void lblContactInfo2_Click();

    int tickCount() const { return m_ticks; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load(QWidget *mainWindow);
    void BuildControls();
    void OpenGuidePage(const QString &topic);
    void CloseAbout();

    int m_ticks = 0;
};
