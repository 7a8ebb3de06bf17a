#pragma once

#include <QtGlobal>

#include <array>

// One key as the hook sees it: its PC scan code with the extended-key flag, the Windows
// virtual-key code that table A gives it and the USB usage id that table B gives that code.
struct ScanCodeKey {
    uchar scanCode;
    bool extended;
    uchar virtualKey;
    uchar usage;
};

// A virtual-key code that table B knows but table A never produces.
struct VirtualKeyUsage {
    uchar virtualKey;
    uchar usage;
};

// A Linux input key code and the PC scan code with extended-key flag of the same physical key.
struct LinuxKeyScanCode {
    quint16 linuxCode;
    uchar scanCode;
    bool extended;
};

// The keys that table A knows (105) and, with their values, the first part of table B.
extern const std::array<ScanCodeKey, 105> scanCodeKeys;
// The rest of table B (16).
extern const std::array<VirtualKeyUsage, 16> extraVirtualKeys;
// The keys of a PC keyboard as the Linux input layer numbers them; Linux reports the Pause key
// and Print Screen the same way whatever modifier is held.
extern const std::array<LinuxKeyScanCode, 117> linuxKeyScanCodes;
