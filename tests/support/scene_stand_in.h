#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

// Stands in for the controller (ui_View) and the window control (ui_Ctl) in scene tests: it
// answers with the data a test gives it and records every call, in order, for the test to check.
class SceneStandIn : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantList apConfig MEMBER apConfig)
    Q_PROPERTY(QVariantList apConfigDefault MEMBER apConfigDefault)
    Q_PROPERTY(QVariantList hwDef MEMBER hwDef)
    Q_PROPERTY(QVariantMap languages MEMBER languages)
    Q_PROPERTY(QVariantMap strings MEMBER strings)
    Q_PROPERTY(QString customFilePath MEMBER customFilePath)
    Q_PROPERTY(bool systemMoves MEMBER systemMoves)

public:
    using QObject::QObject;

    QVariantList apConfig;
    QVariantList apConfigDefault;
    QVariantList hwDef;
    QVariantMap languages;
    // language code -> string list
    QVariantMap strings;
    QString customFilePath;
    // Whether the window system takes over a window drag.
    bool systemMoves = false;

    // Every call as [name, arg0, arg1, ...], oldest first.
    Q_INVOKABLE QVariantList calls() const { return recorded; }
    // The argument lists of the calls of one slot, oldest first.
    Q_INVOKABLE QVariantList callsOf(const QString& name) const;
    Q_INVOKABLE QStringList callNames() const;
    Q_INVOKABLE void clearCalls() { recorded.clear(); }

public slots:
    // ui_View
    void setEnableAudio(bool isEnable);
    void playMedia_Index(int index);
    void clearAllMedia();
    void saveApConfig(const QVariantList& apConfigs);
    QVariantList loadApConfig(bool isDefault = false);
    QVariantList loadHWDef();
    void loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    QString getCustomFilePath();
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(const QString& langCode);
    // The scene's later texts of a language: none, so the scene keeps its English ones.
    QVariantMap getSceneTexts(const QString&) { return {}; }
    void ui_02H_SetCurrentProfile(int profile);
    // The device pages' reads of the profile and the macro library: an empty profile
    // and library. They only answer and are not recorded (the page reads every key each time).
    QVariantList getKeydefine(const QVariant&) { return {}; }
    QStringList getMacroIniNames() { return {}; }
    QVariantList loadMacroIniConfig(const QVariant&) { return {}; }
    QStringList loadMacroIni(const QVariant&) { return {}; }
    // The lighting reads of a profile that holds nothing (not recorded: pages read them often).
    QVariantList ui_88H_GetLEDType() { return {}; }
    QVariantList ui_92H_GetUserPicture(int) { return {}; }
    QVariantList ui_94H_GetColor(int) { return {}; }
    QVariantList ui_95H_GetBackLEDType() { return {}; }
    // ui_Ctl
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    bool startSystemMove();

private:
    void record(const QString& name, const QVariantList& arguments = {});

    QVariantList recorded;
};
