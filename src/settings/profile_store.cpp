#include "settings/profile_store.h"

#include "settings/settings_file.h"

namespace ProfileStore {

bool isProfileIndex(int profile) {
    return profile >= 0 && profile < profileCount;
}

QString keydefineKey(int slot) {
    return keydefineKey(QString::number(slot));
}

QString keydefineKey(const QString& slotText) {
    return QStringLiteral("keydefine/") + slotText;
}

QString colorKey(int index) {
    return QStringLiteral("color/%1").arg(index);
}

QString userPictureKey(int index) {
    return QStringLiteral("userPicture/%1").arg(index);
}

QString ledTypeKey() {
    return QStringLiteral("color/ledType");
}

QString backLedTypeKey() {
    return QStringLiteral("color/backLedType");
}

QVariantList read(const SettingsFile& profile, const QString& key) {
    const QVariant value = profile.value(key, 0);
    // Only a stored list is a value here; a single text in a damaged file reads as missing.
    if (value.typeId() != QMetaType::QVariantList && value.typeId() != QMetaType::QStringList)
        return {};
    return value.toList();
}

void write(SettingsFile& profile, const QString& key, const QVariantList& value) {
    profile.setValue(key, value);
}

void writeKeyMatrix(SettingsFile& profile, const QVariantList& src512) {
    for (int slot = 0; slot < storedKeySlots; ++slot) {
        QVariantList code;
        for (int byte = 0; byte < keyCodeBytes; ++byte)
            code.append(src512.value(slot * keyCodeBytes + byte, 0));
        write(profile, keydefineKey(slot), code);
    }
}

} // namespace ProfileStore
