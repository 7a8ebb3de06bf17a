// The keyboard commands. Each one is a row of the command table; these slots only pass their
// arguments on.
#include "device/firmware_version.h"
#include "device/hid_thread.h"

void Hid_Thread::hid_01H_SetReportRate(uchar rate) {
    startSetCommand(deviceCommand(0x01), {rate});
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile) {
    startSetCommand(deviceCommand(0x02), {profile});
}

void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    startSetCommand(deviceCommand(0x03), {byte1, byte2, byte3, byte4});
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    startSetCommand(deviceCommand(0x04), {sens1, sens2, sens3, sens4});
}

void Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    startSetCommand(deviceCommand(0x07), {effect, frequenty});
}

void Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                    uchar color, uchar direction) {
    startSetCommand(deviceCommand(0x08), {option, effect, speed, light, color, direction});
}

void Hid_Thread::hid_0DH_SetKeyMatrix(uchar* src512) {
    startSetCommand(deviceCommand(0x0D), {}, src512);
}

void Hid_Thread::hid_0EH_SetKeyOnOff(uchar* src21) {
    startSetCommand(deviceCommand(0x0E), {}, src21);
}

void Hid_Thread::hid_09H_SetKeyboardMode(uchar mode) {
    startSetCommand(deviceCommand(0x09), {mode});
}

void Hid_Thread::hid_11H_SetMacroKey(uchar macroId, uchar* src192) {
    startSetCommand(deviceCommand(0x11), {macroId}, src192);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, uchar* src512) {
    startSetCommand(deviceCommand(0x12), {index, option}, src512);
}

void Hid_Thread::hid_13H_SetRecoveryData() {
    startSetCommand(deviceCommand(0x13), {});
}

void Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    startSetCommand(deviceCommand(0x14), {index, rValue, gValue, bValue});
}

void Hid_Thread::hid_15H_SetBackLEDType(uchar effect, uchar speed, uchar light, uchar color,
                                        uchar direction) {
    startSetCommand(deviceCommand(0x15), {effect, speed, light, color, direction});
}

void Hid_Thread::hid_80H_GetFWVersion(QString& version) {
    uchar major = 0;
    uchar minor = 0;
    switch (runGetCommand(deviceCommand(0x80), {}, {&major, &minor})) {
    case GetResult::NotClaimed:
        break;
    case GetResult::Failed:
        version = QStringLiteral("unknown");
        break;
    case GetResult::Done:
        version = firmwareVersionText(major, minor);
        break;
    }
}

void Hid_Thread::hid_81H_GetReportRate(uchar& rate) {
    runGetCommand(deviceCommand(0x81), {}, {&rate});
}

void Hid_Thread::hid_82H_GetCurrentProfile(uchar& profile) {
    runGetCommand(deviceCommand(0x82), {}, {&profile});
}

void Hid_Thread::hid_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4) {
    runGetCommand(deviceCommand(0x83), {}, {&byte1, &byte2, &byte3, &byte4});
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar& sens1, uchar& sens2, uchar& sens3,
                                              uchar& sens4) {
    runGetCommand(deviceCommand(0x84), {}, {&sens1, &sens2, &sens3, &sens4});
}

void Hid_Thread::hid_88H_GetLEDType(uchar& effect, uchar& speed, uchar& light, uchar& color,
                                    uchar& direction) {
    runGetCommand(deviceCommand(0x88), {}, {&effect, &speed, &light, &color, &direction});
}

void Hid_Thread::hid_89H_GetKeyboardMode(uchar& mode) {
    runGetCommand(deviceCommand(0x89), {}, {&mode});
}

void Hid_Thread::hid_8DH_GetKeyMatrix(uchar* src512) {
    runGetCommand(deviceCommand(0x8D), {}, {}, src512);
}

void Hid_Thread::hid_8EH_GetKeyOnOff(uchar* src21) {
    runGetCommand(deviceCommand(0x8E), {}, {}, src21);
}

void Hid_Thread::hid_91H_GetMacroKey(uchar macroId, uchar* src192) {
    runGetCommand(deviceCommand(0x91), {macroId}, {}, src192);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar* src512) {
    runGetCommand(deviceCommand(0x92), {index}, {}, src512);
}

void Hid_Thread::hid_94H_GetColor(uchar index, uchar& rValue, uchar& gValue, uchar& bValue) {
    runGetCommand(deviceCommand(0x94), {index}, {&rValue, &gValue, &bValue});
}

void Hid_Thread::hid_95H_GetBackLEDType(uchar& effect, uchar& speed, uchar& light, uchar& color,
                                        uchar& direction) {
    runGetCommand(deviceCommand(0x95), {}, {&effect, &speed, &light, &color, &direction});
}
