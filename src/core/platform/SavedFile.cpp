#include "platform/SavedFile.h"

#include "platform/Messages.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Bytes gathered before they go to the disk.
constexpr size_t bufferSize = 1 << 16;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

SavedFile::SavedFile(const QString &path)
    : m_file(path)
{
}

SavedFile::~SavedFile()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool SavedFile::open()
{
    // Unbuffered: every byte is handed to the system by a write whose result
    // is seen here, none by a final flush whose failure would go unnoticed.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(m_file.errorString());
    m_buffer.reserve(bufferSize);
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 SavedFile::readData(char *, qint64)
{
    return -1;
}

qint64 SavedFile::writeData(const char *data, qint64 size)
{
    if (!m_failure.isEmpty())
        return -1;
    if (m_buffer.size() + size_t(size) > bufferSize) {
        if (!writeThrough(m_buffer.data(), qint64(m_buffer.size())))
            return -1;
        m_buffer.clear();
        if (size_t(size) >= bufferSize)
            return writeThrough(data, size) ? size : -1;
    }
    m_buffer.append(data, size_t(size));
    return size;
}

bool SavedFile::writeThrough(const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 written = m_file.write(data + done, size - done);
        if (written <= 0) {
            // A write that stops short and then reports nothing wrong is
            // still a failure: the bytes are not on the disk.
            return fail(m_file.error() != QFileDevice::NoError
                            ? m_file.errorString()
                            : QStringLiteral("Only %1 of %2 bytes could be written.").arg(done).arg(size));
        }
        done += written;
    }
    m_written += size;
    return true;
}

bool SavedFile::fail(const QString &reason)
{
    if (m_failure.isEmpty())
        m_failure = reason.isEmpty() ? QStringLiteral("The file could not be written.") : reason;
    setErrorString(m_failure);
    return false;
}

QString SavedFile::commit()
{
    if (m_failure.isEmpty() && writeThrough(m_buffer.data(), qint64(m_buffer.size()))) {
        m_buffer.clear();
        struct stat status;
        if (::fsync(m_file.handle()) != 0)
            fail(systemReason(errno));
        else if (::fstat(m_file.handle(), &status) != 0)
            fail(systemReason(errno));
        else if (qint64(status.st_size) != m_written)
            fail(QStringLiteral("The disk holds %1 of the %2 bytes written.")
                     .arg(qint64(status.st_size))
                     .arg(m_written));
    }
    QIODevice::close();
    if (!m_failure.isEmpty()) {
        m_file.cancelWriting();
        m_file.commit(); // removes the temporary file
        return m_failure;
    }
    if (!m_file.commit())
        fail(m_file.errorString());
    return m_failure;
}

QString writeWholeFile(const QString &path, const std::function<bool(QIODevice &device)> &write,
                       const QString &cancelReason)
{
    SavedFile file(path);
    if (!file.open())
        return file.failure();
    if (!write(file)) {
        if (!file.failure().isEmpty())
            return file.failure();
        return cancelReason.isEmpty() ? QStringLiteral("The contents of the file could not be made.") : cancelReason;
    }
    return file.commit();
}

void showSaveFailure(const QString &path, const QString &reason)
{
    Messages::show(QStringLiteral("The file could not be saved:") + Messages::lineBreak()
                       + QDir::toNativeSeparators(path) + Messages::paragraph() + reason + Messages::paragraph()
                       + QStringLiteral(
                           "Nothing was written. Choose another folder, or free some space, and try again."),
                   Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Save Failed"));
}
