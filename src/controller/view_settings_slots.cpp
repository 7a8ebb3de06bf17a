// The controller's slots for the settings files: configuration, hardware definition, profiles,
// languages and the background image.
#include "controller/device_access_notice.h"
#include "controller/myqquickview.h"
#include "controller/service_silence_notice.h"

#include "device/lang_file_valid.h"

#include "settings/app_config.h"
#include "settings/custom_image_path.h"
#include "settings/hardware_definition.h"
#include "settings/language_files.h"
#include "settings/profile_store.h"
#include "settings/profile_transfer.h"
#include "settings/settings_dialogs.h"
#include "settings/settings_paths.h"
#include "settings/store_failure_notice.h"

#include <QStandardPaths>

namespace {

QString desktopDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString profileFilter() {
    return myQQuickView::tr("Profile(*.pf)");
}

} // namespace

void myQQuickView::saveApConfig(QVariantList apConfigs) {
    AppConfig::save(*apConfigSettings, apConfigs);
}

QVariantList myQQuickView::loadApConfig(bool isDefault) {
    if (isDefault)
        return AppConfig::loadFile(SettingsPaths::apConfigDefaultFile());
    return AppConfig::load(*apConfigSettings);
}

QVariantList myQQuickView::loadHWDef() {
    return loadHardwareDefinition(SettingsPaths::hardwareDefinitionFile());
}

void myQQuickView::loadProfile(int profile) {
    if (!ProfileStore::isProfileIndex(profile))
        return;
    const QString source = settingsDialogs->getOpenFileName(this, tr("Open File"),
                                                            desktopDirectory(), profileFilter());
    if (source.isEmpty())
        return;
    ProfileTransfer::replaceProfile(profileSettings, profile, source);
}

void myQQuickView::saveProfile(int profile) {
    if (!ProfileStore::isProfileIndex(profile))
        return;
    const QString target = settingsDialogs->getSaveFileName(this, tr("Save File"),
                                                            desktopDirectory(), profileFilter());
    if (target.isEmpty())
        return;
    ProfileTransfer::exportProfile(*profileSettings[profile], target);
}

void myQQuickView::resetProfile(int profile) {
    if (!ProfileStore::isProfileIndex(profile))
        return;
    ProfileTransfer::replaceProfile(profileSettings, profile, SettingsPaths::defaultProfileFile());
}

QString myQQuickView::getCustomFilePath() {
    return chooseCustomImagePath(*settingsDialogs, this);
}

QVariantMap myQQuickView::chkLanguages() {
    return LanguageFiles::list(SettingsPaths::languageDirectory());
}

QStringList myQQuickView::getGlobalStrings(QString langCode) {
    const LanguageFiles::Strings language =
        LanguageFiles::isSafeCode(langCode)
            ? LanguageFiles::read(SettingsPaths::languageFile(langCode))
            : LanguageFiles::Strings{{QString()}, false, {}, {}};
    // The keyboard is reached only while the chosen language file passes its check.
    isLangFileValid = language.checksumValid;
    storeFailureNotice->setTexts(language.messages.value(LanguageFiles::storeFailureTitleMessage),
                                 language.messages.value(LanguageFiles::storeFailureTextMessage));
    deviceAccessNotice->setTexts(language.messages.value(LanguageFiles::deviceAccessTitleMessage),
                                 language.messages.value(LanguageFiles::deviceAccessTextMessage));
    serviceSilenceNotice->setTexts(
        language.messages.value(LanguageFiles::serviceSilenceTitleMessage),
        language.messages.value(LanguageFiles::serviceSilenceTextMessage));
    return language.strings;
}

QVariantMap myQQuickView::getSceneTexts(QString langCode) {
    if (!LanguageFiles::isSafeCode(langCode))
        return {};
    return LanguageFiles::read(SettingsPaths::languageFile(langCode)).sceneTexts;
}
