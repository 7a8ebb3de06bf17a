#pragma once

#include <QMap>
#include <QtGlobal>

#include <array>
#include <functional>
#include <memory>

class KeyListener;

// The event record that the hook procedure takes: the key's scan code and its flags.
struct KeyEventRecord {
    quint32 scanCode = 0;
    quint32 flags = 0;
};

namespace KeyHookCodes {
constexpr int hcAction = 0;
constexpr uint wmKeyDown = 0x0100;
constexpr uint wmKeyUp = 0x0101;
constexpr uint wmSysKeyDown = 0x0104;
constexpr quint32 extendedFlag = 0x01;
constexpr quint32 altDownFlag = 0x20;
} // namespace KeyHookCodes

// Process-wide state of the hook, touched only on the GUI thread.
// The installed listener; empty while no hook is installed.
extern std::unique_ptr<KeyListener> hookHandle;
// Where the hook reports a key's change of state (down or up, usage id): the one window sets it
// and clears it when it goes, unless a later window has set its own.
struct KeyReportTarget {
    const void* owner = nullptr;
    std::function<void(bool isDown, uchar usage)> report;
};
extern KeyReportTarget hookTarget;
// Table A: (scan code << 8 | extended flag) -> virtual-key code.
extern QMap<quint16, uchar> scanToVk;
// Table B: virtual-key code -> USB usage id.
extern QMap<uchar, uchar> vkToUsage;
// The state last reported to the scene per usage id (true = down).
extern std::array<bool, 256> keyState;

void fillScanToVk();
void fillVkToUsage();

// Reports a key's change of state to the scene; the key itself always goes on unchanged.
void keyboardHookProc(int code, uint message, const KeyEventRecord* record);

// Installs the hook on the session's keys: X11 raw key events; on a Wayland session the keys
// typed into the tool's own window, or the keyboard's own event nodes where the opt-in rule is
// in place. False when the chosen source cannot be listened to.
bool installKeyHook();
void removeKeyHook();
