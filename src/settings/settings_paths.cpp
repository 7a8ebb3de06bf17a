#include "settings/settings_paths.h"

namespace SettingsPaths {

// Profile index 0 lives in p1.bin: the files are numbered from one.
QString profileFile(int profile) {
    return QStringLiteral("./modules/setting/p%1.bin").arg(profile + 1);
}

QString defaultProfileFile() {
    return QStringLiteral("./modules/setting/pD.bin");
}

QString apConfigFile() {
    return QStringLiteral("./modules/setting/apConfig.bin");
}

QString focusRulesFile() {
    return QStringLiteral("./modules/setting/focus_rules.ini");
}

QString apConfigDefaultFile() {
    return QStringLiteral("./modules/setting/apConfigD.bin");
}

QString hardwareDefinitionFile() {
    return QStringLiteral("./modules/setting/HWDef.bin");
}

QString languageDirectory() {
    return QStringLiteral("./modules/i18n/");
}

QString languageFile(const QString& langCode) {
    return languageDirectory() + QStringLiteral("lang_") + langCode + QStringLiteral(".ini");
}

} // namespace SettingsPaths
