#include "settings/app_config.h"

#include "settings/settings_file.h"

namespace AppConfig {

namespace {

const QString totalKey = QStringLiteral("common/total");

QString entryKey(qsizetype index) {
    return QStringLiteral("common/%1").arg(index);
}

// No real configuration comes near this; a corrupt count must not allocate without bound.
constexpr int maximumEntries = 4096;

} // namespace

void save(SettingsFile& config, const QVariantList& entries) {
    config.setValue(totalKey, int(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        config.setValue(entryKey(i), entries[i]);
}

QVariantList load(const SettingsFile& config) {
    const int total = config.value(totalKey, 0).toInt();
    QVariantList entries;
    for (int i = 0; i < qMin(total, maximumEntries); ++i)
        entries.append(config.value(entryKey(i), 0));
    return entries;
}

QVariantList loadFile(const QString& path) {
    const SettingsFile config(path);
    return load(config);
}

} // namespace AppConfig
