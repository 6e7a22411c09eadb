#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// "Vornish $$$": the contribution reminder, shown as the program ends. Both
// buttons dismiss it, and the ending of the program then goes on.
class frmContribute : public QDialog
{
    Q_OBJECT

public:
    explicit frmContribute(QWidget *parent = nullptr);

    QLabel *lblContribMessage = nullptr;
    QLabel *picVn4 = nullptr;
    QCheckBox *chkDontBugMe = nullptr;
    QPushButton *cmdContribute = nullptr; // the default button (Enter)
    QPushButton *cmdNo = nullptr;         // the cancel button (Escape)

    // Shows the reminder and waits until it is dismissed.
    void ShowAtExit();

    void cmdContribute_Click();
    void cmdNo_Click();

    // Escape and the window's close box count as "No".
    void reject() override;

private:
    void Form_Load();
    void StopAsking();
};
