#include "settings/hardware_definition.h"

#include "settings/settings_file.h"

namespace {

// The scene builds one item per entry; a corrupt count must not ask for millions of them.
constexpr int maximumKeys = 1024;

} // namespace

QVariantList loadHardwareDefinition(const QString& path) {
    const SettingsFile definition(path);
    const int hardwareKeys =
        qBound(0, definition.value(QStringLiteral("Z9/total_HW"), 0).toInt(), maximumKeys);
    const int firmwareSlots = definition.value(QStringLiteral("Z9/total_FW"), 0).toInt();

    QVariantList entries;
    for (int i = 1; i <= hardwareKeys; ++i)
        entries.append(definition.value(QStringLiteral("Z9/%1").arg(i)));
    return {hardwareKeys, firmwareSlots, QVariant(entries)};
}
