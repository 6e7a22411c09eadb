#pragma once

#include "platform/ChildWindow.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// "Print Options": what the one-page report holds (the graph, the tool's
// numeric input and output, a comment). Opened by the main window's print
// command after the printer was chosen; modeless, hidden rather than
// closed, so its choices and comment stay for the next print.
class frmPrintOptions : public ChildWindow
{
    Q_OBJECT

public:
    frmPrintOptions();

    QCheckBox *chkPrintGraph = nullptr;
    QCheckBox *chkPrintInfo = nullptr;
    QCheckBox *chkPrintComments = nullptr;
    QPlainTextEdit *txtPrintComments = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdCancel = nullptr;

    // The comment as the report prints it: lines joined by CR LF.
    QString commentText() const;

    // The next Print writes the report to this PDF file instead of the
    // printer; printing or cancelling goes back to the printer.
    void setPdfFile(const QString &path) { m_pdfFile = path; }
    QString pdfFile() const { return m_pdfFile; }

    void Form_Load();
    void chkPrintComments_Click();
    void cmdCancel_Click();
    void cmdPrint_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildControls();

    QString m_pdfFile;
};
