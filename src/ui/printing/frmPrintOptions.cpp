#include "printing/frmPrintOptions.h"

#include "platform/MainFrame.h"
#include "platform/Messages.h"
#include "platform/PagePrinter.h"
#include "platform/SavedFile.h"
#include "platform/Twips.h"
#include "printing/PrintReport.h"
#include "project/ProjectDocument.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr double kWidth = 4095;
constexpr double kHeight = 3285;

} // namespace

frmPrintOptions::frmPrintOptions()
    : ChildWindow(QStringLiteral("frmPrintOptions"), QStringLiteral("Print Options"))
{
    BuildControls();
    Form_Load();
}

void frmPrintOptions::BuildControls()
{
    auto *content = new QWidget();
    auto *outer = new QVBoxLayout(content);

    const auto checkBox = [&](const char *name, const QString &caption) {
        auto *box = new QCheckBox(caption);
        box->setObjectName(QLatin1String(name));
        outer->addWidget(box);
        return box;
    };
    chkPrintGraph = checkBox("chkPrintGraph", QStringLiteral("Print Graph"));
    chkPrintGraph->setChecked(true);
    chkPrintInfo = checkBox("chkPrintInfo", QStringLiteral("Print numeric output"));
    chkPrintComments = checkBox("chkPrintComments", QStringLiteral("Annotation"));
    const QString commentTip = QStringLiteral(
        "Print comments or annotations along with numeric output and or a graph.");
    chkPrintComments->setToolTip(commentTip);

    txtPrintComments = new QPlainTextEdit();
    txtPrintComments->setObjectName(QStringLiteral("txtPrintComments"));
    txtPrintComments->setToolTip(commentTip);
    txtPrintComments->setTabChangesFocus(true);
    outer->addWidget(txtPrintComments, 1);

    cmdPrint = new QPushButton(QStringLiteral("Print"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);
    outer->addLayout(buttons);
    setWidget(content);

    connect(chkPrintComments, &QCheckBox::toggled, this, &frmPrintOptions::chkPrintComments_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrintOptions::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrintOptions::cmdCancel_Click);
    chkPrintComments_Click(); // the comment box starts disabled, Print the default
}

void frmPrintOptions::Form_Load()
{
    setTwipsSize(kWidth, kHeight);
    if (const QWidget *main = MainFrame::window()) {
        const double mainWidth = Twips::fromPixelsX(main->width());
        const double mainHeight = Twips::fromPixelsY(main->height());
        // Never above the frame's client area, where the title bar could not be reached.
        setTwipsPosition(std::max(0.0, (mainWidth - kWidth) / 2), std::max(0.0, (mainHeight - kHeight - 2000) / 2));
    }
}

QString frmPrintOptions::commentText() const
{
    QString text = txtPrintComments->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void frmPrintOptions::chkPrintComments_Click()
{
    const bool commenting = chkPrintComments->isChecked();
    QPalette colours = txtPrintComments->palette();
    const QColor background = commenting ? palette().color(QPalette::Active, QPalette::Base)
                                         : palette().color(QPalette::Active, QPalette::Button);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Base, background);
    txtPrintComments->setPalette(colours);
    txtPrintComments->setEnabled(commenting);
    // While the comment is typed, Enter makes new lines instead of printing.
    cmdPrint->setDefault(!commenting);
}

void frmPrintOptions::cmdCancel_Click()
{
    m_pdfFile.clear();
    hide();
    Messages::show(QStringLiteral("Printing is canceled"), Messages::Buttons::Ok, Messages::Icon::None);
}

void frmPrintOptions::cmdPrint_Click()
{
    Report::Choices choices;
    choices.printGraph = chkPrintGraph->isChecked();
    choices.printInfo = chkPrintInfo->isChecked();
    choices.printComment = chkPrintComments->isChecked();
    choices.comment = commentText();
    const ProjectDocument &project = ProjectDocument::current();
    choices.title = project.path().isEmpty() ? project.name() : QFileInfo(project.path()).completeBaseName();
    const QDateTime now = QDateTime::currentDateTime();
    choices.printedAt = QLocale().toString(now.date(), QLocale::LongFormat) + QStringLiteral(", ")
                        + QLocale().toString(now.time(), QLocale::ShortFormat);
    choices.pageBottom = PagePrinter::printer().pageLayout().paintRect(QPageLayout::Inch).height() * 1440;

    const QString pdfFile = m_pdfFile;
    QString pdfFailure;
    bool pdfWritten = false;
    const auto toPdf = [&](const auto &paint) {
        pdfFailure = PagePrinter::printPageToPdf(pdfFile, paint);
        pdfWritten = pdfFailure.isEmpty();
        return pdfWritten;
    };
    const Report::Outcome outcome = pdfFile.isEmpty() ? Report::PrintReport(choices)
                                                      : Report::PrintReport(choices, toPdf);
    switch (outcome) {
    case Report::Outcome::NoGraph:
        return; // the dialog stays open for another choice
    case Report::Outcome::Printed:
        if (!pdfFile.isEmpty() && !pdfWritten) {
            // A page without ink is not sent; as a file it would be a blank sheet.
            Report::EndPrinting();
            Messages::show(QStringLiteral("The report holds nothing to export, so no file was written. Choose what "
                                          "it should hold and try again."),
                           Messages::Buttons::Ok, Messages::Icon::Exclamation);
            return;
        }
        m_pdfFile.clear();
        hide();
        Report::EndPrinting();
        return;
    case Report::Outcome::PrinterFailed:
        Report::EndPrinting();
        if (!pdfFile.isEmpty()) {
            showSaveFailure(pdfFile, pdfFailure);
            return;
        }
        Messages::show(QStringLiteral("The page could not be printed: the printer could not be opened."),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
}

void frmPrintOptions::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && cmdPrint->isDefault()) {
        cmdPrint->click();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        cmdCancel->click();
        return;
    }
    ChildWindow::keyPressEvent(event);
}
