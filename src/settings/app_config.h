#pragma once

#include <QVariantList>

class SettingsFile;

// The application configuration list ("common/total" entries "common/0" …).
namespace AppConfig {

// Entries beyond the new count that a longer save left behind stay in the file, unread.
void save(SettingsFile& config, const QVariantList& entries);
// Missing entries read as the whole number 0; a missing file gives an empty list.
QVariantList load(const SettingsFile& config);
QVariantList loadFile(const QString& path);

} // namespace AppConfig
