#include "service/profile_files_snapshot.h"

#include "settings/profile_store.h"
#include "settings/settings_paths.h"

#include <QCryptographicHash>
#include <QFile>

ProfileFilesSnapshot ProfileFilesSnapshot::take() {
    ProfileFilesSnapshot snapshot;
    for (int n = 0; n < ProfileStore::profileCount; ++n) {
        QFile file(SettingsPaths::profileFile(n));
        QCryptographicHash hash(QCryptographicHash::Sha256);
        // A missing file reads as empty, as the settings store reads it.
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
        snapshot.digests.append(hash.result());
    }
    return snapshot;
}

QList<int> ProfileFilesSnapshot::changedIn(const ProfileFilesSnapshot& later) const {
    QList<int> changed;
    for (int n = 0; n < digests.size() && n < later.digests.size(); ++n) {
        if (digests[n] != later.digests[n])
            changed.append(n);
    }
    return changed;
}
