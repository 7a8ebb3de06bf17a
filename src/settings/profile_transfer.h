#pragma once

#include <QList>
#include <QString>

class SettingsFile;

// Whole-file moves of the profile files: export, and the import or reset that replaces one.
// A copy that cannot be written is reported through StoreOutcome.
namespace ProfileTransfer {

// Copies the profile's file to target; an existing target is never replaced.
void exportProfile(SettingsFile& profile, const QString& target);

// Replaces the file of profile index `profile` by a copy of source and puts a fresh settings
// object for it at the same index of profileSettings. A source that cannot be read, or a copy
// that cannot be written, leaves the profile's file as it was; then it returns false.
bool replaceProfile(QList<SettingsFile*>& profileSettings, int profile, const QString& source);

} // namespace ProfileTransfer
