#pragma once

#include <QString>

// The advisory lock that keeps the programs of one user from interleaving their transfers on one
// keyboard: the window and any number of korvanectl runs each hold it from opening the command
// interface to closing it. It is an flock() on a file in the user's runtime directory named after
// the interface's path, so the lock goes with the keyboard and the kernel drops it when a holder
// dies. The lock files stay; they are empty.
class DeviceTransferLock {
public:
    explicit DeviceTransferLock(const QString& devicePath);
    ~DeviceTransferLock();
    DeviceTransferLock(const DeviceTransferLock&) = delete;
    DeviceTransferLock& operator=(const DeviceTransferLock&) = delete;

    // Only interfaces reached through the file system can be shared with another program; the
    // virtual keyboard lives inside its program and needs no lock.
    static bool isShareable(const QString& devicePath);
    static QString lockFilePath(const QString& devicePath);

    // Waits up to `milliseconds` for the lock; false when another holder kept it all that time.
    // When the lock file cannot be made, it returns true at once: better unguarded than unusable.
    bool acquire(int milliseconds);

private:
    QString path;
    int fd = -1;
};
