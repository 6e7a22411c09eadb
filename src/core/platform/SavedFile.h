#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file whole or not at all: write() fills a temporary file next to
// path, which replaces path only when write() succeeded and every byte
// reached the disk. Returns an empty text on success, otherwise the reason
// (the destination is then untouched and no temporary file is left).
// write() returns false to give up (a cancel): the reason is then cancelReason.
QString writeWholeFile(const QString &path, const std::function<bool(QIODevice &device)> &write,
                       const QString &cancelReason = QString());

// "The file could not be saved", with the path and the reason, through the
// message service.
void showSaveFailure(const QString &path, const QString &reason);
