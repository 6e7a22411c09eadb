#include "shell/frmContribute.h"

#include "platform/DocumentLauncher.h"
#include "platform/Messages.h"
#include "platform/ModalDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "shell/ToolIcons.h"
#include "shell/WebAddresses.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

QString contributionMessage()
{
    const QString br = Messages::lineBreak();
    const QString paragraph = Messages::paragraph();
    return br + QStringLiteral("Thank you for using Vornish.") + paragraph
           + QStringLiteral("This software is provided free of charge to ensure ")
           + QStringLiteral("its availability and accessibility. ")
           + QStringLiteral("However, the development of Vornish required considerable ")
           + QStringLiteral("resources, an investment of time and finances. If you find this ")
           + QStringLiteral("program useful, consider contributing towards ")
           + QStringLiteral("its development and improvement.") + paragraph
           + QStringLiteral("Please contribute a small amount of money ($ 15.00 is ")
           + QStringLiteral("suggested) for your use of the software.") + paragraph
           + QStringLiteral("In doing so you ensure the continuity of a freely ")
           + QStringLiteral("available, continually improving and expanding research ")
           + QStringLiteral("and education tool.") + paragraph
           + QStringLiteral("Your support today will make a difference.");
}

} // namespace

frmContribute::frmContribute(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmContribute"));
    setWindowTitle(QStringLiteral("Vornish $$$"));
    // The program ends with the main window, not with this window.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *grid = new QGridLayout(this);
    picVn4 = new QLabel(this);
    picVn4->setObjectName(QStringLiteral("picVn4"));
    picVn4->setPixmap(ToolIcons::toolPicture(QStringLiteral("Vornish"), 64));
    grid->addWidget(picVn4, 0, 0, Qt::AlignTop);

    lblContribMessage = new QLabel(this);
    lblContribMessage->setObjectName(QStringLiteral("lblContribMessage"));
    lblContribMessage->setWordWrap(true);
    lblContribMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(lblContribMessage, 0, 1);

    chkDontBugMe = new QCheckBox(QStringLiteral("Do not ask me again"), this);
    chkDontBugMe->setObjectName(QStringLiteral("chkDontBugMe"));
    grid->addWidget(chkDontBugMe, 1, 1);

    auto *buttons = new QHBoxLayout();
    buttons->addStretch();
    cmdContribute = new QPushButton(QStringLiteral("Yes, I want to contribute "), this);
    cmdContribute->setObjectName(QStringLiteral("cmdContribute"));
    cmdContribute->setDefault(true);
    buttons->addWidget(cmdContribute);
    cmdNo = new QPushButton(QStringLiteral("No"), this);
    cmdNo->setObjectName(QStringLiteral("cmdNo"));
    cmdNo->setAutoDefault(false);
    buttons->addWidget(cmdNo);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(cmdContribute, &QPushButton::clicked, this, &frmContribute::cmdContribute_Click);
    connect(cmdNo, &QPushButton::clicked, this, &frmContribute::cmdNo_Click);

    Form_Load();
}

void frmContribute::Form_Load()
{
    lblContribMessage->setText(contributionMessage());
    const int width = Twips::toPixelsX(6600);
    resize(width, std::max(sizeHint().height(), heightForWidth(width))); // the whole wrapped message
}

void frmContribute::ShowAtExit()
{
    ModalDialog::run(*this);
}

void frmContribute::StopAsking()
{
    SettingsStore::write(QStringLiteral("Vornish"), QStringLiteral("RegInfo"), QStringLiteral("Ask"),
                         QStringLiteral("N"));
}

void frmContribute::cmdNo_Click()
{
    if (chkDontBugMe->isChecked())
        StopAsking();
    QDialog::done(QDialog::Rejected);
}

void frmContribute::reject()
{
    cmdNo_Click();
}

void frmContribute::cmdContribute_Click()
{
    const Messages::Answer answer = Messages::show(QStringLiteral("Vornish will attempt to connect ")
                                                       + QStringLiteral("to the internet to retrieve information."),
                                                   Messages::Buttons::OkCancel, Messages::Icon::None,
                                                   modVnPublic::ProgramTitle());
    if (answer == Messages::Answer::Ok) {
        if (chkDontBugMe->isChecked())
            StopAsking();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        modVnPublic::LaunchDocument(this, WebAddresses::contributionPage(), 0);
        QApplication::restoreOverrideCursor();
    } else {
        Messages::show(QStringLiteral("You can always try to connect to the ")
                           + QStringLiteral("Vornish web site at another time."),
                       Messages::Buttons::Ok, Messages::Icon::None);
    }
    QDialog::done(QDialog::Accepted);
}
