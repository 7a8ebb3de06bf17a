#include "keys/key_hook.h"

#include "device/dev_info.h"
#include "keys/evdev_key_listener.h"
#include "keys/key_code_tables.h"
#include "keys/window_key_listener.h"
#include "keys/xinput_key_listener.h"
#include "platform/desktop_session.h"
#include "platform/udev_rule_command.h"

#include <QHash>
#include <QObject>

std::unique_ptr<KeyListener> hookHandle;
KeyReportTarget hookTarget;
QMap<quint16, uchar> scanToVk;
QMap<uchar, uchar> vkToUsage;
std::array<bool, 256> keyState{};

namespace {

quint16 scanKey(quint32 scanCode, quint32 flags) {
    return quint16((scanCode & 0xFF) << 8 | (flags & KeyHookCodes::extendedFlag));
}

// On a Wayland session a program hears the keys typed into its own window, even when the tool
// itself runs through XWayland. The keyboard's own event nodes, which carry the keys typed into
// every window, only where the user has put the opt-in rule that opens them in place.
std::unique_ptr<KeyListener> sessionKeyListener() {
    if (!DesktopSession::isWayland())
        return std::make_unique<XInputKeyListener>();
    if (!UdevRuleCommand::isOptInActive())
        return std::make_unique<WindowKeyListener>();
    EvdevKeyListener::DeviceIds ids;
    for (const DevInfo& device : readDeviceTable(deviceTableFile))
        ids.append({device.vid, device.pid});
    return std::make_unique<EvdevKeyListener>(ids);
}

// A Linux key event as the record and message that the hook procedure takes. Codes that no PC
// key has are left out.
void hookLinuxKey(int linuxCode, bool isDown) {
    static const QHash<int, KeyEventRecord> records = [] {
        QHash<int, KeyEventRecord> table;
        for (const LinuxKeyScanCode& key : linuxKeyScanCodes)
            table.insert(key.linuxCode,
                         {key.scanCode, key.extended ? KeyHookCodes::extendedFlag : 0});
        return table;
    }();
    const auto record = records.constFind(linuxCode);
    if (record == records.constEnd())
        return;
    keyboardHookProc(KeyHookCodes::hcAction,
                     isDown ? KeyHookCodes::wmKeyDown : KeyHookCodes::wmKeyUp, &*record);
}

} // namespace

void fillScanToVk() {
    scanToVk.clear();
    for (const ScanCodeKey& key : scanCodeKeys)
        scanToVk.insert(scanKey(key.scanCode, key.extended ? KeyHookCodes::extendedFlag : 0),
                        key.virtualKey);
}

void fillVkToUsage() {
    vkToUsage.clear();
    for (const ScanCodeKey& key : scanCodeKeys)
        vkToUsage.insert(key.virtualKey, key.usage);
    for (const VirtualKeyUsage& key : extraVirtualKeys)
        vkToUsage.insert(key.virtualKey, key.usage);
}

void keyboardHookProc(int code, uint message, const KeyEventRecord* record) {
    const bool isDown =
        code == KeyHookCodes::hcAction && (message & ~0x04u) == KeyHookCodes::wmKeyDown;
    const quint32 scanCode = record->scanCode > 0xFF ? 0 : record->scanCode;
    uchar virtualKey = scanToVk.value(scanKey(scanCode, record->flags), 0);
    // Control + Pause arrives as Break, Alt + Print Screen as SysRq: both count as the key itself.
    if (scanCode == 0x46 && (record->flags & KeyHookCodes::extendedFlag))
        virtualKey = 0x13;
    else if (scanCode == 0x54 && (record->flags & KeyHookCodes::altDownFlag))
        virtualKey = 0x2C;
    if (virtualKey == 0)
        return;
    const uchar usage = vkToUsage.value(virtualKey, 0);
    // A repeated press, or the release of a key never seen down, is not reported.
    if (usage == 0 || keyState[usage] == isDown)
        return;
    keyState[usage] = isDown;
    if (hookTarget.report)
        hookTarget.report(isDown, usage);
}

bool installKeyHook() {
    removeKeyHook();
    hookHandle = sessionKeyListener();
    QObject::connect(hookHandle.get(), &KeyListener::keyEvent, &hookLinuxKey);
    if (hookHandle->start())
        return true;
    hookHandle.reset();
    return false;
}

void removeKeyHook() {
    hookHandle.reset();
}
