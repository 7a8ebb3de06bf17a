#include "pages/keyboard_layout.h"

#include "macros/key_name_table.h"
#include "settings/hardware_definition.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"

namespace {

// Fields of a hardware definition entry.
constexpr int labelField = 4;
constexpr int matrixField = 5;
constexpr int codeField = 6;

// The page labels both modifiers of a pair alike; the short name means the left one.
const QList<std::pair<QString, QString>> modifierNames{
    {QStringLiteral("Ctrl"), QStringLiteral("L Ctrl")},
    {QStringLiteral("Shift"), QStringLiteral("L Shift")},
    {QStringLiteral("Alt"), QStringLiteral("L Alt")},
};

} // namespace

unsigned char keyUsageForName(const QString& name) {
    if (const uchar id = keyIdForName(name))
        return id;
    for (const auto& [shortName, tableName] : modifierNames) {
        if (name.compare(shortName, Qt::CaseInsensitive) == 0)
            return keyIdForName(tableName);
    }
    // Ignoring case, and the blank that ends "KP 7 ".
    unsigned char found = 0;
    for (const KeyNameEntry& entry : keyNameEntries()) {
        if (name.trimmed().compare(entry.name.trimmed(), Qt::CaseInsensitive) == 0) {
            if (found)
                return 0;
            found = entry.id;
        }
    }
    return found;
}

KeyboardLayout KeyboardLayout::load(const QString& hardwareDefinition,
                                    const QString& defaultProfile) {
    KeyboardLayout layout;
    const QVariantList definition = loadHardwareDefinition(hardwareDefinition);
    for (const QVariant& entry : definition.value(2).toList()) {
        const QStringList fields = entry.toStringList();
        bool isNumber = false;
        const int matrix = fields.value(matrixField).toInt(&isNumber);
        if (!isNumber || matrix < 0 || matrix >= KeyCodes::positions)
            continue;
        const uint code = fields.value(codeField).toUInt(nullptr, 16);
        layout.visible.append({matrix, fields.value(labelField), uchar((code >> 8) & 0xFF)});
    }
    const SettingsFile defaults(defaultProfile);
    for (int n = 0; n < KeyCodes::positions; ++n)
        layout.factory[n] =
            KeyCodes::fromList(ProfileStore::read(defaults, ProfileStore::keydefineKey(n)));
    return layout;
}

std::optional<KeyboardLayout::Key> KeyboardLayout::find(const QString& name) const {
    if (const uchar usage = keyUsageForName(name))
        return keyWithUsage(usage);
    return keyWithLabel(name);
}

KeyCode KeyboardLayout::factoryCode(int matrix) const {
    return factory[std::size_t(matrix)];
}

std::optional<KeyboardLayout::Key> KeyboardLayout::keyWithUsage(unsigned char usage) const {
    for (const Key& key : visible) {
        if (key.usage == usage)
            return key;
    }
    return std::nullopt;
}

std::optional<KeyboardLayout::Key> KeyboardLayout::keyWithLabel(const QString& label) const {
    std::optional<Key> found;
    for (const Key& key : visible) {
        if (key.label != label)
            continue;
        if (found)
            return std::nullopt;
        found = key;
    }
    return found;
}
