#include "bridge/device_bridge.h"

#include "bridge/device_bytes.h"
#include "device/hid_thread.h"
#include "macros/macro_encoder.h"
#include "macros/macro_library.h"
#include "macros/macro_overflow_warning.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"

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

DeviceBridge::DeviceBridge(Hid_Thread* hidThread, QList<SettingsFile*>& profileSettings,
                           int& currentProfile, CommandHolder holder)
    : hidThread(hidThread), profileSettings(profileSettings), currentProfile(currentProfile),
      holder(std::move(holder)) {}

void DeviceBridge::ui_01H_SetReportRate(uchar rate) {
    sendSet([=](Hid_Thread& link) { link.hid_01H_SetReportRate(rate); });
}

// Selecting a profile is where the scene loads it: its file is read afresh here, so that what
// another program (korvanectl) wrote since is seen.
void DeviceBridge::ui_02H_SetCurrentProfile(int profile) {
    if (!ProfileStore::isProfileIndex(profile))
        return;
    profileSettings[profile]->reload();
    if (profile == currentProfile)
        return;
    currentProfile = profile;
    sendSet([=](Hid_Thread& link) { link.hid_02H_SetCurrentProfile(profile & 0xFF); });
}

void DeviceBridge::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    sendSet([=](Hid_Thread& link) { link.hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4); });
}

void DeviceBridge::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    sendSet(
        [=](Hid_Thread& link) { link.hid_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4); });
}

void DeviceBridge::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    sendSet([=](Hid_Thread& link) { link.hid_07H_SetControlIndicatorLight(effect, frequenty); });
}

void DeviceBridge::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                     uchar color, uchar direction) {
    writeProfile(ProfileStore::ledTypeKey(), numbers({effect, speed, light, color, direction}));
    sendSet([=](Hid_Thread& link) {
        link.hid_08H_SetLEDType(option, effect, speed, light, color, direction);
    });
}

void DeviceBridge::ui_09H_SetKeyboardMode(uchar mode) {
    sendSet([=](Hid_Thread& link) { link.hid_09H_SetKeyboardMode(mode); });
}

void DeviceBridge::ui_0DH_SetKeyMatrix(const QVariantList& src512) {
    ProfileStore::writeKeyMatrix(currentFile(), src512);
    QByteArray matrix = toDeviceBytes(src512, keyMatrixBytes);
    sendSet([=](Hid_Thread& link) mutable { link.hid_0DH_SetKeyMatrix(deviceBuffer(matrix)); });
}

void DeviceBridge::ui_0EH_SetKeyOnOff(const QVariantList& src21) {
    QByteArray keyOnOff = toDeviceBytes(src21, keyOnOffBytes);
    sendSet([=](Hid_Thread& link) mutable { link.hid_0EH_SetKeyOnOff(deviceBuffer(keyOnOff)); });
}

void DeviceBridge::ui_12H_SetUserPicture(uchar index, uchar option, const QVariantList& src512) {
    writeProfile(ProfileStore::userPictureKey(index), src512);
    QByteArray picture = toDeviceBytes(src512, pictureBytes);
    sendSet([=](Hid_Thread& link) mutable {
        link.hid_12H_SetUserPicture(index, option, deviceBuffer(picture));
    });
}

void DeviceBridge::ui_13H_SetRecoveryData() {
    sendSet([](Hid_Thread& link) { link.hid_13H_SetRecoveryData(); });
}

void DeviceBridge::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    writeProfile(ProfileStore::colorKey(index), numbers({rValue, gValue, bValue}));
    sendSet([=](Hid_Thread& link) { link.hid_14H_SetColor(index, rValue, gValue, bValue); });
}

void DeviceBridge::ui_15H_SetBackLEDType(uchar effect, uchar speed, uchar light, uchar color,
                                         uchar direction) {
    writeProfile(ProfileStore::backLedTypeKey(), numbers({effect, speed, light, color, direction}));
    sendSet([=](Hid_Thread& link) {
        link.hid_15H_SetBackLEDType(effect, speed, light, color, direction);
    });
}

QVariant DeviceBridge::ui_81H_GetReportRate() {
    uchar rate = 0;
    send(hidThread, [&](Hid_Thread& link) { link.hid_81H_GetReportRate(rate); });
    return int(rate);
}

QVariant DeviceBridge::ui_82H_GetCurrentProfile() {
    uchar profile = 0;
    send(hidThread, [&](Hid_Thread& link) { link.hid_82H_GetCurrentProfile(profile); });
    return int(profile);
}

QVariantList DeviceBridge::ui_83H_GetKeyboardoption() {
    uchar byte1 = 0, byte2 = 0, byte3 = 0, byte4 = 0;
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_83H_GetKeyboardoption(byte1, byte2, byte3, byte4); });
    return numbers({byte1, byte2, byte3, byte4});
}

QVariantList DeviceBridge::ui_84H_GetButtonSensitivity() {
    uchar sens1 = 0, sens2 = 0, sens3 = 0, sens4 = 0;
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_84H_GetButtonSensitivity(sens1, sens2, sens3, sens4); });
    return numbers({sens1, sens2, sens3, sens4});
}

QVariantList DeviceBridge::ui_88H_GetLEDType() {
    return readProfile(ProfileStore::ledTypeKey());
}

QVariant DeviceBridge::ui_89H_GetKeyboardMode() {
    uchar mode = 0;
    send(hidThread, [&](Hid_Thread& link) { link.hid_89H_GetKeyboardMode(mode); });
    return int(mode);
}

QVariantList DeviceBridge::ui_8DH_GetKeyMatrix() {
    QByteArray matrix(keyMatrixBytes, '\0');
    send(hidThread, [&](Hid_Thread& link) { link.hid_8DH_GetKeyMatrix(deviceBuffer(matrix)); });
    return fromDeviceBytes(matrix);
}

QVariantList DeviceBridge::ui_8EH_GetKeyOnOff() {
    QByteArray keyOnOff(keyOnOffBytes, '\0');
    send(hidThread, [&](Hid_Thread& link) { link.hid_8EH_GetKeyOnOff(deviceBuffer(keyOnOff)); });
    return fromDeviceBytes(keyOnOff);
}

QVariantList DeviceBridge::ui_91H_GetMacroKey(uchar macroId) {
    QByteArray macro(macroBytes, '\0');
    send(hidThread,
         [&](Hid_Thread& link) { link.hid_91H_GetMacroKey(macroId, deviceBuffer(macro)); });
    return fromDeviceBytes(macro);
}

QVariantList DeviceBridge::ui_92H_GetUserPicture(uchar index) {
    return readProfile(ProfileStore::userPictureKey(index));
}

QVariantList DeviceBridge::ui_94H_GetColor(uchar index) {
    return readProfile(ProfileStore::colorKey(index));
}

QVariantList DeviceBridge::ui_95H_GetBackLEDType() {
    return readProfile(ProfileStore::backLedTypeKey());
}

void DeviceBridge::ui_11H_SetMacroKey(const QVariant& macroId, const QVariant& name) {
    const QList<uchar> encoded = encodeMacroLines(MacroLibrary().lines(name.toString()));
    if (encoded.size() > macroBlockSize)
        MacroOverflowWarning::show();
    MacroBlock block = fitMacroBlock(encoded);
    sendSet([=](Hid_Thread& link) mutable {
        link.hid_11H_SetMacroKey(uchar(macroId.toInt() & 0xFF), block.data());
    });
}

QString DeviceBridge::ui_80H_GetFWVersion() {
    QString version;
    send(hidThread, [&](Hid_Thread& link) { link.hid_80H_GetFWVersion(version); });
    return version;
}

QVariantList DeviceBridge::getKeydefine(const QVariant& matrixId) {
    return readProfile(ProfileStore::keydefineKey(matrixId.toString()));
}

void DeviceBridge::sendSet(DeviceCommand command) {
    if (!hidThread)
        return;
    if (holder)
        holder(std::move(command));
    else
        command(*hidThread);
}

SettingsFile& DeviceBridge::currentFile() const {
    return *profileSettings[currentProfile];
}

QVariantList DeviceBridge::readProfile(const QString& key) const {
    return ProfileStore::read(currentFile(), key);
}

void DeviceBridge::writeProfile(const QString& key, const QVariantList& value) const {
    ProfileStore::write(currentFile(), key, value);
}
