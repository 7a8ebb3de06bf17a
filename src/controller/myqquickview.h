#pragma once

#include "controller/device_command_queue.h"
#include "device/device_access.h"

#include <QList>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>

#include <functional>

#include <memory>

class DeviceBridge;
class Hid_Thread;
class DeviceAccessNotice;
class ServiceSilenceNotice;
class SettingsDialogs;
class SettingsFile;
class StoreFailureNotice;
class SoundThread;

// The scene view, and at the same time the controller whose slots the scene calls as ui_View.
// Its slots are defined beside it, one file per concern (view_*.cpp).
class myQQuickView : public QQuickWidget {
    Q_OBJECT
    // False while the view is hidden or its window minimised: the scene skips what nobody sees.
    Q_PROPERTY(bool isShown READ isShown NOTIFY isShownChanged)

public:
    static constexpr int profileCount = 6;

    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    bool isShown() const { return shown; }

    // Queues detectKeyboard(isDown, usbCode) on the scene root.
    void detectKeyboard(bool isDown, uchar usbCode);

    Hid_Thread* hidThread = nullptr;
    bool isAudioEnabled = true;
    // The five sound players, on a thread of their own.
    SoundThread* sound = nullptr;
    SettingsFile* apConfigSettings = nullptr;
    QList<SettingsFile*> profileSettings;
    int currentProfile = 0;
    // Hands a profile switch (0 … 5) to whoever else holds the keyboard and calls `done` once,
    // later, with whether it took it; unset, or not taken, and the switch goes to the keyboard
    // directly. The device commands given meanwhile wait in `deviceCommands`.
    using ProfileSwitchHandover = std::function<void(int profile, std::function<void(bool)> done)>;
    ProfileSwitchHandover profileSwitchHandover;
    DeviceCommandQueue deviceCommands;
    // The file dialogs and message boxes of the settings slots; tests put stand-ins here.
    std::unique_ptr<SettingsDialogs> settingsDialogs;
    // Tells the user once when a change cannot be stored, in the language chosen last.
    std::unique_ptr<StoreFailureNotice> storeFailureNotice;
    // Tells the user when the keyboard is plugged in but may not be opened.
    std::unique_ptr<DeviceAccessNotice> deviceAccessNotice;
    // Tells the user that the background service did not answer and the window works alone.
    std::unique_ptr<ServiceSilenceNotice> serviceSilenceNotice;

signals:
    void isShownChanged();

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
    // The scene's texts beyond the string list that the language file has; no checksum effect.
    QVariantMap getSceneTexts(QString langCode);

    // --- per-application profiles ---
    // The rules file as the panel shows it: enabled, defaultProfile (0: leave), rules (each an
    // application and a profile 1-6), damaged.
    QVariantMap loadFocusRules();
    // Writes the rules whole; false when one is not valid or the file cannot be written.
    bool saveFocusRules(QVariantMap rules);
    // How the background service follows the focus: service (whether one runs), backend,
    // problem, focused, recent.
    QVariantMap focusStatus();

    // --- what the tool may open ---
    // The opt-in rule for the keyboard's input event nodes, for keys typed into other windows:
    // wayland (whether the session is one, where it matters), active (whether it lies where
    // udev reads it), and the commands that enable and remove it.
    QVariantMap eventNodeRule();

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
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetCurrentProfile(int profile);
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                           uchar direction);
    void ui_09H_SetKeyboardMode(uchar mode);
    void ui_0DH_SetKeyMatrix(QVariantList src512);
    void ui_0EH_SetKeyOnOff(QVariantList src21);

    // --- device commands: macro ---
    void ui_11H_SetMacroKey(QVariant macroId, QVariant name);

    // --- device commands: set (continued) ---
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512);
    void ui_13H_SetRecoveryData();
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    void ui_15H_SetBackLEDType(uchar effect, uchar speed, uchar light, uchar color,
                               uchar direction);

    // --- device commands: get ---
    QString ui_80H_GetFWVersion();
    QVariant ui_81H_GetReportRate();
    QVariant ui_82H_GetCurrentProfile();
    QVariantList ui_83H_GetKeyboardoption();
    QVariantList ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariant ui_89H_GetKeyboardMode();
    QVariantList ui_8DH_GetKeyMatrix();
    QVariantList ui_8EH_GetKeyOnOff();
    QVariantList ui_91H_GetMacroKey(uchar macroId);
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariantList ui_94H_GetColor(uchar index);
    QVariantList ui_95H_GetBackLEDType();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setShown(bool isShown);

    bool shown = false;
    // Whether the user was told about a keyboard that refuses this user's open.
    DeviceAccess deviceAccess;

    // The device commands on this controller's link and profile files.
    DeviceBridge deviceBridge();
    // Runs `command` on the link, when there is one by the time its turn comes.
    DeviceCommandQueue::Command onLink(std::function<void(Hid_Thread&)> command);

    void invokeOnRoot(const char* function, const QVariantList& arguments = {});
};
