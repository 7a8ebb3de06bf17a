// The controller's device slots: the scene's values become the device link's bytes, and the
// lighting and key assignments are mirrored in the current profile's file.
#include "app/myqquickview.h"

#include "bridge/device_bytes.h"
#include "device/hid_thread.h"
#include "settings/profile_store.h"

namespace {

constexpr int keyMatrixBytes = 512;
constexpr int keyOnOffBytes = 21;
constexpr int pictureBytes = 512;
constexpr int macroBytes = 192;

// The device link is attached right after the window is built; until then nothing is sent.
template <typename Call> void send(Hid_Thread* link, Call call) {
    if (link)
        call(*link);
}

QVariantList numbers(std::initializer_list<uchar> values) {
    QVariantList list;
    for (const uchar value : values)
        list.append(int(value));
    return list;
}

} // namespace

void myQQuickView::ui_01H_SetReportRate(uchar rate) {
    send(hidThread, [&](Hid_Thread& link) { link.hid_01H_SetReportRate(rate); });
}

void myQQuickView::ui_02H_SetCurrentProfile(int profile) {
    if (!ProfileStore::isProfileIndex(profile) || profile == currentProfile)
        return;
    currentProfile = profile;
    send(hidThread, [&](Hid_Thread& link) { link.hid_02H_SetCurrentProfile(profile & 0xFF); });
}

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4); });
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4); });
}

void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_07H_SetControlIndicatorLight(effect, frequenty); });
}

void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                     uchar color, uchar direction) {
    writeProfile(ProfileStore::ledTypeKey(), numbers({effect, speed, light, color, direction}));
    send(hidThread, [&](Hid_Thread& link) {
        link.hid_08H_SetLEDType(option, effect, speed, light, color, direction);
    });
}

void myQQuickView::ui_09H_SetKeyboardMode(uchar mode) {
    send(hidThread, [&](Hid_Thread& link) { link.hid_09H_SetKeyboardMode(mode); });
}

void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512) {
    ProfileStore::writeKeyMatrix(*profileSettings[currentProfile], src512);
    QByteArray matrix = toDeviceBytes(src512, keyMatrixBytes);
    send(hidThread, [&](Hid_Thread& link) { link.hid_0DH_SetKeyMatrix(deviceBuffer(matrix)); });
}

void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21) {
    QByteArray keyOnOff = toDeviceBytes(src21, keyOnOffBytes);
    send(hidThread, [&](Hid_Thread& link) { link.hid_0EH_SetKeyOnOff(deviceBuffer(keyOnOff)); });
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512) {
    writeProfile(ProfileStore::userPictureKey(index), src512);
    QByteArray picture = toDeviceBytes(src512, pictureBytes);
    send(hidThread, [&](Hid_Thread& link) {
        link.hid_12H_SetUserPicture(index, option, deviceBuffer(picture));
    });
}

void myQQuickView::ui_13H_SetRecoveryData() {
    send(hidThread, [](Hid_Thread& link) { link.hid_13H_SetRecoveryData(); });
}

void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    writeProfile(ProfileStore::colorKey(index), numbers({rValue, gValue, bValue}));
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_14H_SetColor(index, rValue, gValue, bValue); });
}

void myQQuickView::ui_15H_SetBackLEDType(uchar effect, uchar speed, uchar light, uchar color,
                                         uchar direction) {
    writeProfile(ProfileStore::backLedTypeKey(), numbers({effect, speed, light, color, direction}));
    send(hidThread, [&](Hid_Thread& link) {
        link.hid_15H_SetBackLEDType(effect, speed, light, color, direction);
    });
}

QVariant myQQuickView::ui_81H_GetReportRate() {
    uchar rate = 0;
    send(hidThread, [&](Hid_Thread& link) { link.hid_81H_GetReportRate(rate); });
    return int(rate);
}

QVariant myQQuickView::ui_82H_GetCurrentProfile() {
    uchar profile = 0;
    send(hidThread, [&](Hid_Thread& link) { link.hid_82H_GetCurrentProfile(profile); });
    return int(profile);
}

QVariantList myQQuickView::ui_83H_GetKeyboardoption() {
    uchar byte1 = 0, byte2 = 0, byte3 = 0, byte4 = 0;
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_83H_GetKeyboardoption(byte1, byte2, byte3, byte4); });
    return numbers({byte1, byte2, byte3, byte4});
}

QVariantList myQQuickView::ui_84H_GetButtonSensitivity() {
    uchar sens1 = 0, sens2 = 0, sens3 = 0, sens4 = 0;
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_84H_GetButtonSensitivity(sens1, sens2, sens3, sens4); });
    return numbers({sens1, sens2, sens3, sens4});
}

QVariantList myQQuickView::ui_88H_GetLEDType() {
    return readProfile(ProfileStore::ledTypeKey());
}

QVariant myQQuickView::ui_89H_GetKeyboardMode() {
    uchar mode = 0;
    send(hidThread, [&](Hid_Thread& link) { link.hid_89H_GetKeyboardMode(mode); });
    return int(mode);
}

QVariantList myQQuickView::ui_8DH_GetKeyMatrix() {
    QByteArray matrix(keyMatrixBytes, '\0');
    send(hidThread, [&](Hid_Thread& link) { link.hid_8DH_GetKeyMatrix(deviceBuffer(matrix)); });
    return fromDeviceBytes(matrix);
}

QVariantList myQQuickView::ui_8EH_GetKeyOnOff() {
    QByteArray keyOnOff(keyOnOffBytes, '\0');
    send(hidThread, [&](Hid_Thread& link) { link.hid_8EH_GetKeyOnOff(deviceBuffer(keyOnOff)); });
    return fromDeviceBytes(keyOnOff);
}

QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId) {
    QByteArray macro(macroBytes, '\0');
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_91H_GetMacroKey(macroId, deviceBuffer(macro)); });
    return fromDeviceBytes(macro);
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index) {
    return readProfile(ProfileStore::userPictureKey(index));
}

QVariantList myQQuickView::ui_94H_GetColor(uchar index) {
    return readProfile(ProfileStore::colorKey(index));
}

QVariantList myQQuickView::ui_95H_GetBackLEDType() {
    return readProfile(ProfileStore::backLedTypeKey());
}
