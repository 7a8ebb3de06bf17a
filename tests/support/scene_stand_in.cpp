#include "scene_stand_in.h"

QVariantList SceneStandIn::callsOf(const QString& name) const {
    QVariantList result;
    for (const QVariant& call : recorded) {
        QVariantList entry = call.toList();
        if (entry.takeFirst().toString() == name)
            result.append(QVariant(entry));
    }
    return result;
}

QStringList SceneStandIn::callNames() const {
    QStringList names;
    for (const QVariant& call : recorded)
        names.append(call.toList().first().toString());
    return names;
}

void SceneStandIn::record(const QString& name, const QVariantList& arguments) {
    QVariantList entry{name};
    entry.append(arguments);
    recorded.append(QVariant(entry));
}

void SceneStandIn::setEnableAudio(bool isEnable) {
    record(QStringLiteral("setEnableAudio"), {isEnable});
}

void SceneStandIn::playMedia_Index(int index) {
    record(QStringLiteral("playMedia_Index"), {index});
}

void SceneStandIn::clearAllMedia() {
    record(QStringLiteral("clearAllMedia"));
}

void SceneStandIn::saveApConfig(const QVariantList& apConfigs) {
    record(QStringLiteral("saveApConfig"), {QVariant(apConfigs)});
}

QVariantList SceneStandIn::loadApConfig(bool isDefault) {
    record(QStringLiteral("loadApConfig"), {isDefault});
    return isDefault ? apConfigDefault : apConfig;
}

QVariantList SceneStandIn::loadHWDef() {
    record(QStringLiteral("loadHWDef"));
    return hwDef;
}

void SceneStandIn::loadProfile(int profile) {
    record(QStringLiteral("loadProfile"), {profile});
}

void SceneStandIn::saveProfile(int profile) {
    record(QStringLiteral("saveProfile"), {profile});
}

void SceneStandIn::resetProfile(int profile) {
    record(QStringLiteral("resetProfile"), {profile});
}

QString SceneStandIn::getCustomFilePath() {
    record(QStringLiteral("getCustomFilePath"));
    return customFilePath;
}

QVariantMap SceneStandIn::chkLanguages() {
    record(QStringLiteral("chkLanguages"));
    return languages;
}

QStringList SceneStandIn::getGlobalStrings(const QString& langCode) {
    record(QStringLiteral("getGlobalStrings"), {langCode});
    return strings.value(langCode).toStringList();
}

void SceneStandIn::ui_02H_SetCurrentProfile(int profile) {
    record(QStringLiteral("ui_02H_SetCurrentProfile"), {profile});
}

void SceneStandIn::onMinimize() {
    record(QStringLiteral("onMinimize"));
}

void SceneStandIn::onXChanged(int x) {
    record(QStringLiteral("onXChanged"), {x});
}

void SceneStandIn::onYChanged(int y) {
    record(QStringLiteral("onYChanged"), {y});
}

bool SceneStandIn::startSystemMove() {
    record(QStringLiteral("startSystemMove"));
    return systemMoves;
}
