#include "platform/device_transfer_lock.h"

#include "platform/instance_guard.h"

#include <QElapsedTimer>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Short enough that a waiting command follows the other program's transfer closely.
constexpr int retryMs = 2;

} // namespace

DeviceTransferLock::DeviceTransferLock(const QString& devicePath) : path(devicePath) {}

DeviceTransferLock::~DeviceTransferLock() {
    // Closing the descriptor releases the lock.
    if (fd >= 0)
        ::close(fd);
}

bool DeviceTransferLock::isShareable(const QString& devicePath) {
    return devicePath.startsWith(QLatin1Char('/'));
}

QString DeviceTransferLock::lockFilePath(const QString& devicePath) {
    QString name = devicePath;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    return InstanceGuard::privateDirectory() + QStringLiteral("/korvane-keyboard") + name +
           QStringLiteral(".lock");
}

bool DeviceTransferLock::acquire(int milliseconds) {
    if (fd < 0)
        fd = ::open(lockFilePath(path).toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC,
                    0600);
    // Without a lock file the transfer goes unguarded rather than the keyboard unreachable.
    if (fd < 0)
        return true;
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (waited.elapsed() >= milliseconds)
            return false;
        QThread::msleep(retryMs);
    }
    return true;
}
