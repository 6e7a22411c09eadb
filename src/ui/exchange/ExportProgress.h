#pragma once

#include <QString>

#include <memory>

class QProgressDialog;

// The progress of a long export: a bar with a Cancel button over the main
// window, shown when the export lasts more than half a second. The window
// stays responsive while the export runs.
class ExportProgress
{
public:
    explicit ExportProgress(const QString &text);
    ~ExportProgress();

    // Shows done of total; false once the user has cancelled.
    bool report(qint64 done, qint64 total);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};
