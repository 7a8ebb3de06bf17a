import QtQuick

// HID usage ids of the keys typed into the tool's own window, so that the preview reacts to them
// where no system-wide key listener reports keys.
QtObject {
    readonly property var specialKeys: ({
        [Qt.Key_Return]: 0x28, [Qt.Key_Enter]: 0x58, [Qt.Key_Escape]: 0x29, [Qt.Key_Backspace]: 0x2A,
        [Qt.Key_Tab]: 0x2B, [Qt.Key_Space]: 0x2C, [Qt.Key_Minus]: 0x2D, [Qt.Key_Equal]: 0x2E,
        [Qt.Key_BracketLeft]: 0x2F, [Qt.Key_BracketRight]: 0x30, [Qt.Key_Backslash]: 0x32,
        [Qt.Key_Semicolon]: 0x33, [Qt.Key_Apostrophe]: 0x34, [Qt.Key_QuoteLeft]: 0x35, [Qt.Key_Comma]: 0x36,
        [Qt.Key_Period]: 0x37, [Qt.Key_Slash]: 0x38, [Qt.Key_CapsLock]: 0x39, [Qt.Key_Print]: 0x46,
        [Qt.Key_ScrollLock]: 0x47, [Qt.Key_Pause]: 0x48, [Qt.Key_Insert]: 0x49, [Qt.Key_Home]: 0x4A,
        [Qt.Key_PageUp]: 0x4B, [Qt.Key_Delete]: 0x4C, [Qt.Key_End]: 0x4D, [Qt.Key_PageDown]: 0x4E,
        [Qt.Key_Right]: 0x4F, [Qt.Key_Left]: 0x50, [Qt.Key_Down]: 0x51, [Qt.Key_Up]: 0x52,
        [Qt.Key_NumLock]: 0x53, [Qt.Key_Menu]: 0x65, [Qt.Key_Control]: 0xE0, [Qt.Key_Shift]: 0xE1,
        [Qt.Key_Alt]: 0xE2, [Qt.Key_Meta]: 0xE3
    })

    // The usage id of a Qt key, or 0 for a key without one.
    function usageOf(key) {
        if (key >= Qt.Key_A && key <= Qt.Key_Z)
            return 0x04 + key - Qt.Key_A
        if (key >= Qt.Key_1 && key <= Qt.Key_9)
            return 0x1E + key - Qt.Key_1
        if (key === Qt.Key_0)
            return 0x27
        if (key >= Qt.Key_F1 && key <= Qt.Key_F12)
            return 0x3A + key - Qt.Key_F1
        return specialKeys[key] || 0
    }
}
