#include "settings/staged_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int createAttempts = 64;

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// A hidden name that no file listing of the tool matches, as "*.bin" or "lang_*.ini" would.
QString stagedName(const QString& target) {
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8, 16,
                                     QLatin1Char('0'));
}

int createExclusively(const QString& target, QString& path) {
    for (int attempt = 0; attempt < createAttempts; ++attempt) {
        path = stagedName(target);
        const int fd =
            ::open(nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new content keeps the access rights of the file it replaces.
void keepMode(int fd, const QString& target) {
    struct stat existing {};
    if (::stat(nativePath(target).constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool syncAndClose(int fd) {
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

bool syncFile(const QString& path) {
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    return fd >= 0 && syncAndClose(fd);
}

// The rename itself lasts only once the folder is synced; where that is refused the content is
// in place all the same, so this does not decide the outcome.
void syncFolderOf(const QString& path) {
    const int fd =
        ::open(nativePath(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool renameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without that rename: a hard link fails the same way on an existing target.
    return ::link(from.constData(), to.constData()) == 0 && ::unlink(from.constData()) == 0;
}

} // namespace

StagedFile::StagedFile(const QString& target) : target(target) {
    QString path;
    const int fd = createExclusively(target, path);
    if (fd < 0)
        return;
    keepMode(fd, target);
    ::close(fd);
    stagedPath = path;
}

StagedFile::~StagedFile() {
    if (isValid() && !committed)
        ::unlink(nativePath(stagedPath).constData());
}

bool StagedFile::write(const QByteArray& bytes) {
    if (!isValid())
        return false;
    const int fd =
        ::open(nativePath(stagedPath).constData(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (!writeAll(fd, bytes)) {
        ::close(fd);
        return false;
    }
    return syncAndClose(fd);
}

bool StagedFile::commit(Commit mode) {
    if (!isValid() || committed || !syncFile(stagedPath))
        return false;
    const QByteArray from = nativePath(stagedPath);
    const QByteArray to = nativePath(target);
    const bool renamed = mode == Commit::Replace ? ::rename(from.constData(), to.constData()) == 0
                                                 : renameWithoutReplacing(from, to);
    if (!renamed)
        return false;
    committed = true;
    syncFolderOf(target);
    return true;
}
