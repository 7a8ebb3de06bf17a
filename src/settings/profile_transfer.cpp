#include "settings/profile_transfer.h"

#include "settings/settings_file.h"
#include "settings/store_outcome.h"
#include "settings/stored_file.h"

#include <QFileInfo>

namespace ProfileTransfer {

namespace {

// Far above any profile; a larger file chosen by mistake is not a profile to copy.
constexpr qint64 maximumProfileSize = 16 * 1024 * 1024;

} // namespace

void exportProfile(SettingsFile& profile, const QString& target) {
    // What the tool stored last must be in the file that is copied.
    profile.sync();
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink())
        return;
    const std::optional<QByteArray> content =
        StoredFile::read(profile.fileName(), maximumProfileSize);
    if (content)
        StoreOutcome::report(target, StoredFile::create(target, *content));
}

bool replaceProfile(QList<SettingsFile*>& profileSettings, int profile, const QString& source) {
    SettingsFile* replaced = profileSettings.takeAt(profile);
    const QString path = replaced->fileName();
    // Pending writes go to the old file now, so that no later store of the replaced object can
    // land on top of the new content.
    replaced->sync();
    replaced->deleteLater();

    const std::optional<QByteArray> content = StoredFile::read(source, maximumProfileSize);
    const bool copied = content && StoredFile::replace(path, *content);
    if (content)
        StoreOutcome::report(path, copied);

    profileSettings.insert(profile, new SettingsFile(path));
    return copied;
}

} // namespace ProfileTransfer
