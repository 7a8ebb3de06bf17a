#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>

class Hid_Thread;
class SettingsFile;

// The device commands as the controller offers them: values become the device link's bytes, and
// lighting and key assignments are mirrored in the current profile's file before they are sent.
// The window's controller and korvanectl both go through here, so a script changes the keyboard
// and the profile files exactly as the window does. The bridge works on state its owner keeps:
// the device link (null: nothing is sent), the six profile files and the current profile index.
//
// Set commands go to the link at once, or to `holder` (when given), which runs them later in the
// order given (the window holds them while another program switches the profile for it). Their
// files are written at once, in the profile that is current when they are given.
class DeviceBridge {
public:
    using DeviceCommand = std::function<void(Hid_Thread&)>;
    using CommandHolder = std::function<void(DeviceCommand)>;

    DeviceBridge(Hid_Thread* hidThread, QList<SettingsFile*>& profileSettings, int& currentProfile,
                 CommandHolder holder = nullptr);

    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetCurrentProfile(int profile);
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                           uchar direction);
    void ui_09H_SetKeyboardMode(uchar mode);
    void ui_0DH_SetKeyMatrix(const QVariantList& src512);
    void ui_0EH_SetKeyOnOff(const QVariantList& src21);
    // Encodes the named macro from the library and sends it to the slot; a macro that does not
    // fit is cut, after the overflow warning.
    void ui_11H_SetMacroKey(const QVariant& macroId, const QVariant& name);
    void ui_12H_SetUserPicture(uchar index, uchar option, const QVariantList& src512);
    void ui_13H_SetRecoveryData();
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    void ui_15H_SetBackLEDType(uchar effect, uchar speed, uchar light, uchar color,
                               uchar direction);

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

    // The key code of matrix position `matrixId` in the current profile's file.
    QVariantList getKeydefine(const QVariant& matrixId);

private:
    void sendSet(DeviceCommand command);
    SettingsFile& currentFile() const;
    QVariantList readProfile(const QString& key) const;
    void writeProfile(const QString& key, const QVariantList& value) const;

    Hid_Thread* hidThread;
    QList<SettingsFile*>& profileSettings;
    int& currentProfile;
    CommandHolder holder;
};
