#include "WizardFixture.h"

#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "graphing/frmOptions.h"
#include "platform/EditableGrid.h"
#include "session/Session.h"
#include "session/StatusText.h"
#include "shell/AppWindows.h"
#include "shell/frmVnSplash.h"
#include "shell/frmVn_Main.h"
#include "shell/frmWaiting.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

void WizardFixture::start()
{
    // Fresh folders: the main window of an earlier class, deleted without
    // closing as after a crash, leaves its recovery file behind, and this
    // one would offer its work back.
    TestFixture::resetFolders();
    m_main = new frmVn_Main;
    // The splash ends now rather than three seconds into the tests.
    for (int tick = 0; tick < 3; ++tick)
        m_main->splash()->Timer1_Timer();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    w = appWindows().dynamic;
    assistant = appWindows().dynamicAssistant;
    QVERIFY(w && assistant);
    m_main->mnuDynamVn_Click();
    QVERIFY(w->isVisible());
}

void WizardFixture::stop()
{
    delete m_main;
    m_main = nullptr;
}

void WizardFixture::reset()
{
    assistant->hide();
    w->cmdClearForm_Click();
    w->ShowStep(0);
    w->endTimeWarnings = 0;
    w->recordingIntervalWarnings = 0;
    w->recordingIntervalManual = false;
    Session::current().setTimeUnit(QStringLiteral("min."), 60);
    Session::current().setSettingsChanged(false);
    resetMessages();
}

void WizardFixture::fillStep1(const QStringList &values)
{
    const QList<QLineEdit *> boxes{w->txtA, w->txtB, w->txtAB, w->txtK_ass_rate, w->txtK_diss_rate, w->txtKd};
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(values.value(i));
}

void WizardFixture::prepareShortRun()
{
    fillStep1({"1", "1", "1", "1E+06", "", "1E-09"});
    w->txtEndTime->setText(QStringLiteral("2"));
    w->txtRecordingInterval->setText(QStringLiteral("1"));
    w->cmbSimulationPrecision->setCurrentIndex(0);
}

void WizardFixture::prepareLongRun(const QString &seconds)
{
    prepareShortRun();
    w->txtEndTime->setText(seconds);
    w->cmbTimeUnit->setCurrentIndex(1);
    w->cmbSimulationPrecision->setCurrentIndex(4);
}

void WizardFixture::finish()
{
    w->ShowStep(2);
    QTest::mouseClick(w->cmdGo, Qt::LeftButton);
}

void WizardFixture::leaveEventEditOpen(int row, int column, Qt::Key first, const QString &rest)
{
    w->ShowStep(2);
    w->flgDynamVn_Events->setCurrent(row, column);
    QTest::keyClick(w->flgDynamVn_Events, first);
    QTest::keyClicks(w->txtEdit, rest);
    w->ShowStep(0);
}

void WizardFixture::leave(QLineEdit *box, QWidget *next)
{
    box->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(box->hasFocus());
    next->setFocus(Qt::MouseFocusReason);
}

void WizardFixture::verifyRestored(int tabIndex)
{
    QCOMPARE(w->SSTab1->currentIndex(), tabIndex);
    QCOMPARE(w->cmdGo->text(), tabIndex == 2 ? QStringLiteral("Finish") : QStringLiteral("Next"));
    QCOMPARE(w->cmdBack->isEnabled(), tabIndex != 0);
    QVERIFY(w->cmdGo->isEnabled());
    QVERIFY(StatusText::current().isEmpty());
    QVERIFY(StatusText::panel2().isEmpty());
    QVERIFY(!m_main->prgMain->isVisible());
    QVERIFY(!appWindows().waiting->isVisible());
    QVERIFY(!appWindows().waiting->Timer1->isActive());
    QVERIFY(!QApplication::overrideCursor());
}
