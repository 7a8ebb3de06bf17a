#include "setting_files.h"

#include <QFile>
#include <QSettings>

#include <memory>

namespace {

constexpr int pictureCount = 5;
constexpr int pictureBytes = 512;
// The Fn key's own function cannot be given to another key, so it is not programmable.
constexpr uchar fnKind = 0x02;

QVariantList codeBytes(const QByteArray& code) {
    QVariantList bytes;
    for (const char byte : code)
        bytes.append(int(uchar(byte)));
    return bytes;
}

std::unique_ptr<QSettings> freshSettings(const QString& path) {
    QFile::remove(path);
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

bool finish(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

bool writeHardwareDefinition(const QString& path, const QList<KeyCap>& caps,
                             const QList<MatrixKey>& matrix) {
    const auto definition = freshSettings(path);
    definition->setValue(QStringLiteral("Z9/total_HW"), int(caps.size()));
    definition->setValue(QStringLiteral("Z9/total_FW"), int(matrix.size()));
    for (qsizetype i = 0; i < caps.size(); ++i) {
        const KeyCap& cap = caps[i];
        const MatrixKey& key = matrix[cap.position];
        const int programmable = uchar(key.factoryCode[0]) == fnKind ? 0 : 1;
        definition->setValue(QStringLiteral("Z9/%1").arg(i + 1),
                             QVariantList{programmable, cap.x, cap.y, cap.type, key.label,
                                          cap.position,
                                          QString::fromLatin1(key.factoryCode.toHex().toUpper())});
    }
    return finish(*definition);
}

bool writeDefaultProfile(const QString& path, const QList<MatrixKey>& matrix,
                         const QString& lightingSource) {
    const auto profile = freshSettings(path);
    for (const MatrixKey& key : matrix)
        profile->setValue(QStringLiteral("keydefine/%1").arg(key.position),
                          codeBytes(key.factoryCode));

    QSettings lighting(lightingSource, QSettings::IniFormat);
    if (lighting.childGroups() != QStringList{QStringLiteral("color")})
        return false;
    for (const QString& key : lighting.allKeys())
        profile->setValue(key, lighting.value(key).toList());

    const QVariantList blank(pictureBytes, 0);
    for (int i = 0; i < pictureCount; ++i)
        profile->setValue(QStringLiteral("userPicture/%1").arg(i), blank);
    return finish(*profile);
}
