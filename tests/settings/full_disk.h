#pragma once

#include "test_work_dir.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A small file system of its own (tmpfs, which needs root) that a test can fill to the last
// byte. It is the working directory for its lifetime, with the modules folders the tool writes.
class FullDisk : public TestWorkDir {
public:
    explicit FullDisk(const QByteArray& size = "512k") {
        const QByteArray options = "size=" + size + ",mode=0755";
        if (::mount("korvane-test", QFile::encodeName(root()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            whyNot = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        mounted = true;
        enter({"modules/setting", "modules/i18n", "modules/macro"});
    }
    // The lazy unmount lets the mount go once the base class has left the directory.
    ~FullDisk() {
        if (mounted)
            ::umount2(QFile::encodeName(root()).constData(), MNT_DETACH);
    }

    bool isMounted() const { return mounted; }
    QString reasonNotMounted() const { return whyNot; }

    // Takes every free byte, then gives back `leaveFree` of them; false when that failed.
    bool fill(qint64 leaveFree = 0) const {
        const int fd = ::open(QFile::encodeName(fillerPath()).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'x');
        off_t size = ::lseek(fd, 0, SEEK_END);
        for (ssize_t written; (written = ::write(fd, block.constData(), block.size())) > 0;)
            size += written;
        const bool full = errno == ENOSPC;
        const bool given = leaveFree == 0 || ::ftruncate(fd, qMax<off_t>(0, size - leaveFree)) == 0;
        ::close(fd);
        return full && given;
    }
    // Frees all space that fill() took.
    void release() const { QFile::remove(fillerPath()); }

private:
    QString fillerPath() const { return path(QStringLiteral("filler")); }

    bool mounted = false;
    QString whyNot;
};
