#include "service/tray_texts.h"

#include "settings/app_config.h"
#include "settings/language_files.h"
#include "settings/settings_file.h"
#include "settings/settings_paths.h"

namespace {

// The configuration's entry that holds the language, as an index in the sorted language list.
constexpr int languageEntry = 3;

void take(const SettingsFile& file, const char* key, QString& text) {
    const QString translated = file.value(QStringLiteral("tray/") + QLatin1String(key)).toString();
    if (!translated.isEmpty())
        text = translated;
}

} // namespace

TrayTexts TrayTexts::configured() {
    QVariantList config = AppConfig::loadFile(SettingsPaths::apConfigFile());
    if (config.size() <= languageEntry)
        config = AppConfig::loadFile(SettingsPaths::apConfigDefaultFile());
    const QVariantList codes = LanguageFiles::list(SettingsPaths::languageDirectory()).values();
    const QString code = codes.value(config.value(languageEntry).toInt()).toString();
    if (code.isEmpty() || !LanguageFiles::isSafeCode(code))
        return TrayTexts();
    return fromFile(SettingsPaths::languageFile(code));
}

TrayTexts TrayTexts::fromFile(const QString& languageFile) {
    const SettingsFile file(languageFile);
    TrayTexts texts;
    take(file, "title", texts.title);
    take(file, "connected", texts.connected);
    take(file, "disconnected", texts.disconnected);
    take(file, "open", texts.open);
    take(file, "login", texts.startAtLogin);
    take(file, "quit", texts.quit);
    return texts;
}
