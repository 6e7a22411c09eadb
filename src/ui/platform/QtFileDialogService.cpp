#include "platform/QtFileDialogService.h"

#include <QApplication>
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
    const QString filters = request.filters.join(QStringLiteral(";;"));
    QWidget *owner = QApplication::activeWindow();
    if (request.mode == FileDialogs::Mode::Open)
        return QFileDialog::getOpenFileName(owner, request.title, request.startPath, filters);
    QString chosenFilter;
    const QString path = QFileDialog::getSaveFileName(owner, request.title, request.startPath, filters, &chosenFilter);
    return withExtension(path, chosenFilter);
}
