#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A small file system of its own (tmpfs, which needs root) that a test can fill to the last
// byte. It is the working directory for its lifetime, with the modules folders the tool writes.
class FullDisk {
public:
    explicit FullDisk(const QByteArray& size = "512k") : previous(QDir::currentPath()) {
        const QByteArray options = "size=" + size + ",mode=0755";
        if (::mount("korvane-test", QFile::encodeName(dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            whyNot = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        mounted = true;
        QDir root(dir.path());
        for (const char* folder : {"modules/setting", "modules/i18n", "modules/macro"})
            root.mkpath(QString::fromLatin1(folder));
        QDir::setCurrent(dir.path());
    }
    ~FullDisk() {
        QDir::setCurrent(previous);
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool isMounted() const { return mounted; }
    QString reasonNotMounted() const { return whyNot; }
    QString path(const QString& relative) const { return dir.filePath(relative); }

    void write(const QString& relative, const QByteArray& content) const {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries(const QString& relative) const {
        return QDir(path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

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
    QString fillerPath() const { return dir.filePath(QStringLiteral("filler")); }

    QTemporaryDir dir;
    QString previous;
    bool mounted = false;
    QString whyNot;
};
