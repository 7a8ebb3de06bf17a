#pragma once

#include <QByteArray>
#include <QList>

// The contents of the six profile files at one moment, by their digests, to tell afterwards
// which of them a command changed.
class ProfileFilesSnapshot {
public:
    // Reads the files as they are now (relative to the working directory).
    static ProfileFilesSnapshot take();

    // The profile indexes whose file differs between this snapshot and `later`.
    QList<int> changedIn(const ProfileFilesSnapshot& later) const;

private:
    QList<QByteArray> digests;
};
