import QtQuick

// The names of the keys by HID usage id and back, and where each key sits in the key matrix.
QtObject {
    // The key-name table: the same names and ids as the controller's table, which the macro encoder
    // reads back from the macro files that carry these names.
    readonly property var keyNames: [
        [0x04, "A"], [0x05, "B"], [0x06, "C"], [0x07, "D"], [0x08, "E"], [0x09, "F"], [0x0A, "G"],
        [0x0B, "H"], [0x0C, "I"], [0x0D, "J"], [0x0E, "K"], [0x0F, "L"], [0x10, "M"], [0x11, "N"],
        [0x12, "O"], [0x13, "P"], [0x14, "Q"], [0x15, "R"], [0x16, "S"], [0x17, "T"], [0x18, "U"],
        [0x19, "V"], [0x1A, "W"], [0x1B, "X"], [0x1C, "Y"], [0x1D, "Z"],
        [0x1E, "1"], [0x1F, "2"], [0x20, "3"], [0x21, "4"], [0x22, "5"], [0x23, "6"], [0x24, "7"],
        [0x25, "8"], [0x26, "9"], [0x27, "0"],
        [0x28, "Enter"], [0x29, "Esc"], [0x2A, "Back"], [0x2B, "Tab"], [0x2C, "Space"],
        [0x2D, "- _"], [0x2E, "= +"], [0x2F, "[ {"], [0x30, "] }"], [0x32, "\\ |"], [0x33, "; :"],
        [0x34, "' \""], [0x35, "` ~"], [0x36, ", <"], [0x37, ". >"], [0x38, "/ ?"],
        [0x39, "Caps"],
        [0x3A, "F1"], [0x3B, "F2"], [0x3C, "F3"], [0x3D, "F4"], [0x3E, "F5"], [0x3F, "F6"],
        [0x40, "F7"], [0x41, "F8"], [0x42, "F9"], [0x43, "F10"], [0x44, "F11"], [0x45, "F12"],
        [0x46, "Prt"], [0x47, "Scr"], [0x48, "Pau"], [0x49, "Ins"], [0x4A, "Hom"], [0x4B, "PgU"],
        [0x4C, "Del"], [0x4D, "End"], [0x4E, "PgD"],
        [0x4F, "►"], [0x50, "◄"], [0x51, "▼"], [0x52, "▲"],
        [0x53, "Num"], [0x54, "KP /"], [0x55, "KP *"], [0x56, "KP -"], [0x57, "KP +"], [0x58, "KP Enter"],
        [0x59, "KP 1"], [0x5A, "KP 2"], [0x5B, "KP 3"], [0x5C, "KP 4"], [0x5D, "KP 5"], [0x5E, "KP 6"],
        [0x5F, "KP 7 "], [0x60, "KP 8"], [0x61, "KP 9"], [0x62, "KP 0"], [0x63, "KP ."],
        [0x64, "Eur 2"], [0x65, "App"], [0x66, "Power"], [0x67, "KP ="],
        [0x68, "F13"], [0x69, "F14"], [0x6A, "F15"], [0x6B, "F16"], [0x6C, "F17"], [0x6D, "F18"],
        [0x6E, "F19"], [0x6F, "F20"], [0x70, "F21"], [0x71, "F22"], [0x72, "F23"], [0x73, "F24"],
        [0x85, "Keypad"],
        [0x87, "Int'l 1"], [0x88, "Intl'2"], [0x89, "Int'l 2"], [0x8A, "Int'l 4"], [0x8B, "Int'l 5"],
        [0x90, "Lang 1"], [0x91, "Lang 2"],
        [0xE0, "L Ctrl"], [0xE1, "L Shift"], [0xE2, "L Alt"], [0xE3, "L GUI"],
        [0xE4, "R Ctrl"], [0xE5, "R Shift"], [0xE6, "R Alt"], [0xE7, "R GUI"]
    ]

    readonly property var str2keycode: {
        const table = {}
        for (const entry of keyNames)
            table[entry[1]] = entry[0]
        return table
    }

    readonly property var keycode2str: {
        const table = {}
        for (const entry of keyNames)
            table[entry[0]] = entry[1]
        return table
    }

    property var matrix2keycode: ({})
    property var keycode2matrix: ({})

    // The name of a key, or undefined for an id that names no key.
    function keycodeTostr(keycode) {
        return keycode2str[keycode]
    }

    // The key's usage id for a name, or undefined.
    function strTokeycode(name) {
        return str2keycode[name]
    }

    // The matrix position of the key that sends the id, or undefined.
    function keycodeTomatrix(keycode) {
        return keycode2matrix[keycode]
    }

    // Builds the matrix tables from the hardware definition [keys, slots, [rows]] (once, at start).
    function initUI(isFirst, HWDef) {
        if (!isFirst || !HWDef || HWDef.length < 3)
            return
        const count = parseInt(HWDef[0])
        const rows = HWDef[2]
        if (isNaN(count) || !rows)
            return
        const toKeycode = {}
        const toMatrix = {}
        for (let i = 0; i < count && i < rows.length; ++i) {
            const row = rows[i]
            if (!row || row.length < 7)
                continue
            const matrix = parseInt(row[5])
            const keycode = (parseInt(String(row[6]), 16) >> 8) & 0xFF
            if (isNaN(matrix) || isNaN(keycode))
                continue
            toKeycode[matrix] = keycode
            toMatrix[keycode] = matrix
        }
        matrix2keycode = toKeycode
        keycode2matrix = toMatrix
    }
}
