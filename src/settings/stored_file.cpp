#include "settings/stored_file.h"

#include "settings/staged_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StoredFile {

namespace {

// Opens for reading without waiting for a writer (pipe) or a carrier (terminal), and keeps the
// descriptor only when it is a regular file.
int openRegular(const QString& path, struct stat& info) {
    const QByteArray native = QFile::encodeName(path);
    // A first look without opening anything: a pipe or device is never touched.
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    // What was opened may differ from what was looked at.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool readAll(int fd, QByteArray& bytes, qint64 maximumSize) {
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || bytes.size() + got > maximumSize)
            return false;
        if (got == 0)
            return true;
        bytes.append(chunk, got);
    }
}

bool write(const QString& path, const QByteArray& bytes, StagedFile::Commit mode) {
    StagedFile staged(path);
    return staged.write(bytes) && staged.commit(mode);
}

} // namespace

bool isRegularFile(const QString& path, qint64 maximumSize) {
    struct stat info {};
    const int fd = openRegular(path, info);
    if (fd < 0)
        return false;
    ::close(fd);
    return info.st_size <= maximumSize;
}

std::optional<QByteArray> read(const QString& path, qint64 maximumSize) {
    struct stat info {};
    const int fd = openRegular(path, info);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes;
    const bool complete = info.st_size <= maximumSize && readAll(fd, bytes, maximumSize);
    ::close(fd);
    if (!complete)
        return std::nullopt;
    return bytes;
}

bool replace(const QString& path, const QByteArray& bytes) {
    return write(path, bytes, StagedFile::Commit::Replace);
}

bool create(const QString& path, const QByteArray& bytes) {
    return write(path, bytes, StagedFile::Commit::KeepExisting);
}

} // namespace StoredFile
