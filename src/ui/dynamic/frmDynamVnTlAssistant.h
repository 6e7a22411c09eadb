#pragma once

#include "platform/ChildWindow.h"

class QGroupBox;
class QLabel;

// The Dynamic Tool Assistant: sits beside the wizard, tells the user what
// to enter on each step, explains the units and runs the worked demo.
class frmDynamVnTlAssistant : public ChildWindow
{
    Q_OBJECT

public:
    explicit frmDynamVnTlAssistant(QWidget *parent = nullptr);

    // 1 while the demonstration runs, 0 otherwise.
    int demoStage = 0;

    QGroupBox *fraMenu;
    QLabel *lblWhat_About_a_Demo;
    QLabel *lblWhat_About_Units;
    QGroupBox *fraDynVnToolHelp;
    QLabel *lblInputSuggestion;
    QGroupBox *fraWhatAbout;
    QLabel *lblWhatAboutTitle;
    QLabel *lblWhatAboutText;

    void lblWhat_About_a_Demo_Click();
    void lblWhat_About_Units_Click();

    // Fills the wizard with the example when the demo starts, then tells
    // the user what to press on the wizard's current step.
    void DemoStep();
    // A run was plotted: the demonstration is over.
    void EndDemo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void showWhatAbout(const QString &title, const QString &text);
    void setWhatAboutText(const QString &text);
    void fillWizardWithExample();
};
