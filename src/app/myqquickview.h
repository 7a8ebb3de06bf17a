#pragma once

#include <QList>
#include <QQuickWidget>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <array>
#include <memory>

class Hid_Thread;
class SettingsDialogs;
class QMediaPlayer;

// The scene view, and at the same time the controller whose slots the scene calls as ui_View.
// Its slots are defined in the folder of their concern.
class myQQuickView : public QQuickWidget {
    Q_OBJECT

public:
    static constexpr int mediaPlayerCount = 5;
    static constexpr int profileCount = 6;

    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    // Queues detectKeyboard(isDown, usbCode) on the scene root.
    void detectKeyboard(bool isDown, uchar usbCode);

    Hid_Thread* hidThread = nullptr;
    bool isAudioEnabled = true;
    std::array<QMediaPlayer*, mediaPlayerCount> mediaPlayers{};
    QSettings* apConfigSettings = nullptr;
    QList<QSettings*> profileSettings;
    int currentProfile = 0;
    // The file dialogs and message boxes of the settings slots; tests put stand-ins here.
    std::unique_ptr<SettingsDialogs> settingsDialogs;

public slots:
    // --- device state report ---
    void syncIsFwState();

    // --- scene start-up ---
    void initUI();
    void runUI();

    // --- sound ---
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();

    // --- application configuration, profiles, languages, image path ---
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig(bool isDefault = false);
    QVariantList loadHWDef();
    void loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    QString getCustomFilePath();
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QString langCode);

    // --- macro library ---
    QVariant createMacroIni();
    QVariant deleteMacroIni(QVariant name);
    QStringList getMacroIniNames();
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QStringList loadMacroIni(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);

    // --- key definitions ---
    QVariantList getKeydefine(QVariant matrixId);

    // --- macro encoding ---
    QList<uchar> macroIncode(QStringList macros);

    // --- device commands: set ---

    // --- device commands: macro ---

    // --- device commands: set (continued) ---

    // --- device commands: get ---
    QString ui_80H_GetFWVersion();

private:
    // Reads and writes of the current profile's file.
    QVariantList readProfile(const QString& key);
    void writeProfile(const QString& key, const QVariantList& value);

    void invokeOnRoot(const char* function, const QVariantList& arguments = {});
    QMediaPlayer* createMediaPlayer();
};
