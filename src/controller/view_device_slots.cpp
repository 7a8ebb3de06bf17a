// The controller's device slots: each one passes the scene's values to the device bridge, which
// korvanectl shares.
#include "controller/myqquickview.h"

#include "bridge/device_bridge.h"

// Set commands take their turn behind a profile switch that is being handed over.
DeviceBridge myQQuickView::deviceBridge() {
    return DeviceBridge(hidThread, profileSettings, currentProfile,
                        [this](DeviceBridge::DeviceCommand command) {
                            deviceCommands.run(onLink(std::move(command)));
                        });
}

DeviceCommandQueue::Command myQQuickView::onLink(std::function<void(Hid_Thread&)> command) {
    return [this, command = std::move(command)] {
        if (hidThread)
            command(*hidThread);
    };
}

void myQQuickView::ui_01H_SetReportRate(uchar rate) {
    deviceBridge().ui_01H_SetReportRate(rate);
}

// The window shows and stores in the new profile at once; the keyboard's switch is handed over
// when someone takes it, and sent from here when it is not taken.
void myQQuickView::ui_02H_SetCurrentProfile(int profile) {
    if (profile == currentProfile || !profileSwitchHandover) {
        deviceBridge().ui_02H_SetCurrentProfile(profile);
        return;
    }
    DeviceBridge(hidThread, profileSettings, currentProfile,
                 [this, profile](DeviceBridge::DeviceCommand sendSwitch) {
                     deviceCommands.handOver(
                         [this, profile](std::function<void(bool)> done) {
                             profileSwitchHandover(profile, std::move(done));
                         },
                         onLink(std::move(sendSwitch)));
                 })
        .ui_02H_SetCurrentProfile(profile);
}

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    deviceBridge().ui_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    deviceBridge().ui_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4);
}

void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    deviceBridge().ui_07H_SetControlIndicatorLight(effect, frequenty);
}

void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                     uchar color, uchar direction) {
    deviceBridge().ui_08H_SetLEDType(option, effect, speed, light, color, direction);
}

void myQQuickView::ui_09H_SetKeyboardMode(uchar mode) {
    deviceBridge().ui_09H_SetKeyboardMode(mode);
}

void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512) {
    deviceBridge().ui_0DH_SetKeyMatrix(src512);
}

void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21) {
    deviceBridge().ui_0EH_SetKeyOnOff(src21);
}

void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name) {
    deviceBridge().ui_11H_SetMacroKey(macroId, name);
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512) {
    deviceBridge().ui_12H_SetUserPicture(index, option, src512);
}

void myQQuickView::ui_13H_SetRecoveryData() {
    deviceBridge().ui_13H_SetRecoveryData();
}

void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    deviceBridge().ui_14H_SetColor(index, rValue, gValue, bValue);
}

void myQQuickView::ui_15H_SetBackLEDType(uchar effect, uchar speed, uchar light, uchar color,
                                         uchar direction) {
    deviceBridge().ui_15H_SetBackLEDType(effect, speed, light, color, direction);
}

QString myQQuickView::ui_80H_GetFWVersion() {
    return deviceBridge().ui_80H_GetFWVersion();
}

QVariant myQQuickView::ui_81H_GetReportRate() {
    return deviceBridge().ui_81H_GetReportRate();
}

QVariant myQQuickView::ui_82H_GetCurrentProfile() {
    return deviceBridge().ui_82H_GetCurrentProfile();
}

QVariantList myQQuickView::ui_83H_GetKeyboardoption() {
    return deviceBridge().ui_83H_GetKeyboardoption();
}

QVariantList myQQuickView::ui_84H_GetButtonSensitivity() {
    return deviceBridge().ui_84H_GetButtonSensitivity();
}

QVariantList myQQuickView::ui_88H_GetLEDType() {
    return deviceBridge().ui_88H_GetLEDType();
}

QVariant myQQuickView::ui_89H_GetKeyboardMode() {
    return deviceBridge().ui_89H_GetKeyboardMode();
}

QVariantList myQQuickView::ui_8DH_GetKeyMatrix() {
    return deviceBridge().ui_8DH_GetKeyMatrix();
}

QVariantList myQQuickView::ui_8EH_GetKeyOnOff() {
    return deviceBridge().ui_8EH_GetKeyOnOff();
}

QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId) {
    return deviceBridge().ui_91H_GetMacroKey(macroId);
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index) {
    return deviceBridge().ui_92H_GetUserPicture(index);
}

QVariantList myQQuickView::ui_94H_GetColor(uchar index) {
    return deviceBridge().ui_94H_GetColor(index);
}

QVariantList myQQuickView::ui_95H_GetBackLEDType() {
    return deviceBridge().ui_95H_GetBackLEDType();
}

QVariantList myQQuickView::getKeydefine(QVariant matrixId) {
    return deviceBridge().getKeydefine(matrixId);
}
