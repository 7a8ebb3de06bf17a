#include "settings/profile_transfer.h"

#include "settings/profile_file_copy.h"

#include <QFile>
#include <QSettings>

namespace ProfileTransfer {

void exportProfile(QSettings& profile, const QString& target) {
    // What the tool stored last must be in the file that is copied.
    profile.sync();
    QFile::copy(profile.fileName(), target);
}

void replaceProfile(QList<QSettings*>& profileSettings, int profile, const QString& source) {
    QSettings* replaced = profileSettings.takeAt(profile);
    const QString path = replaced->fileName();
    // Pending writes go to the old file now, so that no later flush of the replaced object can
    // land on top of the new content.
    replaced->sync();
    replaced->deleteLater();

    replaceWithCopy(path, source);

    profileSettings.insert(profile, new QSettings(path, QSettings::IniFormat));
}

} // namespace ProfileTransfer
