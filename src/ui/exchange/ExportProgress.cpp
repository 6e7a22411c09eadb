#include "exchange/ExportProgress.h"

#include "platform/MainFrame.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
constexpr int steps = 1000;
}

ExportProgress::ExportProgress(const QString &text)
    : m_dialog(std::make_unique<QProgressDialog>(text, QStringLiteral("Cancel"), 0, steps, MainFrame::window()))
{
    m_dialog->setObjectName(QStringLiteral("dlgExportProgress"));
    m_dialog->setWindowTitle(QStringLiteral("Vornish"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

ExportProgress::~ExportProgress() = default;

bool ExportProgress::report(qint64 done, qint64 total)
{
    m_dialog->setValue(total > 0 ? int(done * steps / total) : steps);
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}
