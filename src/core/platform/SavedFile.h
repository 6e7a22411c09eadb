#pragma once

#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <string>

// A file written whole or not at all. The bytes go to a temporary file
// beside the destination, which replaces it only at commit() and only when
// every byte reached the disk: each write is checked and completed (a short
// write is retried, then refused), the first failure is kept and refuses
// every later write, so a writer that ignores its device's errors (an SVG
// generator, a PDF writer, a text stream) cannot hide one. commit() writes
// what is buffered, syncs the file to the disk and compares its size on
// disk with the bytes written before the rename. A kill at any point leaves
// the destination as it was.
class SavedFile : public QIODevice
{
public:
    explicit SavedFile(const QString &path);
    ~SavedFile() override; // not committed: the temporary file is removed
    SavedFile(const SavedFile &) = delete;
    SavedFile &operator=(const SavedFile &) = delete;

    // Creates the temporary file; false when it cannot (failure() says why).
    bool open();
    // Empty when the destination now holds every byte written, otherwise
    // the reason; either way the temporary file is gone.
    QString commit();
    // The first write that failed, with the system's reason; empty if none.
    QString failure() const { return m_failure; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool writeThrough(const char *data, qint64 size);
    bool fail(const QString &reason);

    QSaveFile m_file;
    std::string m_buffer;
    qint64 m_written = 0;
    QString m_failure;
};

// Writes a file whole or not at all through a SavedFile. Returns an empty
// text on success, otherwise the reason (the destination is then untouched
// and no temporary file is left). write() returns false to give up: the
// reason is then the device's failure, else cancelReason.
QString writeWholeFile(const QString &path, const std::function<bool(QIODevice &device)> &write,
                       const QString &cancelReason = QString());

// "The file could not be saved", with the path and the reason, through the
// message service.
void showSaveFailure(const QString &path, const QString &reason);
