#include "platform/QtFileDialogService.h"

#include "platform/DialogOwner.h"
#include "platform/ModalDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A name typed without an extension gets the one of the chosen file type.
QString withExtension(const QString &path, const QString &filter)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? path + QLatin1Char('.') + match.captured(1) : path;
}

} // namespace

QString QtFileDialogService::ask(const FileDialogs::Request &request)
{
    QFileDialog dialog(DialogOwner::current(), request.title, request.startPath,
                       request.filters.join(QStringLiteral(";;")));
    const bool save = request.mode == FileDialogs::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (ModalDialog::run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().constFirst();
    return save ? withExtension(path, dialog.selectedNameFilter()) : path;
}
