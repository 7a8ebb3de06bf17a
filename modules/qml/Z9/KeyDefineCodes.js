.pragma library
// The rules of four-byte key codes: byte 0 is the kind; a keyboard key or combination carries up
// to three usage ids in bytes 1 to 3, a media function its Consumer-page usage id in bytes 2 and
// 3, a macro its repeat value and keyboard slot in bytes 1 and 2.

var kindKey = 0x00
var kindMedia = 0x03
var kindMacro = 0x04
var macroSlotCount = 35

// The MEDIA list's Consumer-page usage ids, in list order.
var mediaUsages = [0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA, 0x0183, 0x018A,
                   0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A]

function isByte(text) {
    const value = Number(text)
    return String(text).trim() !== "" && Number.isInteger(value) && value >= 0 && value <= 255
}

// A key code as a profile file keeps it (numbers, or decimal texts after a restart); null for a
// missing, short or unreadable entry.
function storedCode(list) {
    if (!Array.isArray(list) || list.length !== 4 || !list.every(isByte))
        return null
    return list.map(Number)
}

function isSingleKey(code) {
    return code[0] === kindKey && code[1] === 0 && code[2] !== 0 && code[3] === 0
}

function mediaCode(index) {
    const usage = mediaUsages[index]
    return [kindMedia, 0, usage & 0xFF, (usage >> 8) & 0xFF]
}

// The MEDIA list index of a usage id given as its low and high byte, or -1.
function mediaIndex(low, high) {
    return mediaUsages.indexOf(low | (high << 8))
}

// A macro file's [index, repeat] as numbers, or null when the file could not be read. An index
// outside the keyboard's slots counts as none.
function macroConfig(config) {
    if (!config || config.length < 2)
        return null
    const index = parseInt(config[0])
    const repeat = parseInt(config[1])
    return {
        "index": (index >= 0 && index < macroSlotCount) ? index : -1,
        "repeat": isNaN(repeat) ? 1 : repeat & 0xFF
    }
}

// The slots that macro keys use.
function usedMacroSlots(codes) {
    const used = new Set()
    for (const code of codes) {
        if (code[0] === kindMacro && code[3] === 0)
            used.add(code[2])
    }
    return used
}

// The lowest slot that no key uses, or -1 when all are taken.
function freeMacroSlot(codes) {
    const used = usedMacroSlots(codes)
    for (let slot = 0; slot < macroSlotCount; ++slot) {
        if (!used.has(slot))
            return slot
    }
    return -1
}

var kindFn = 0x02

// Short names of the MEDIA list's functions, in list order, for the small space of a key cap.
var mediaShortNames = ["Next", "Prev", "Stop", "Play", "Mute", "Vol+", "Vol-", "Media", "Mail", "Calc",
                       "PC", "Search", "Home", "Back", "Fwd", "WStop", "Reload", "Fav"]

// What a key with this code does, as the few characters a cap shows: a key name, a combination
// joined by "+", a media short name, "Fn", "M" + macro slot, or "—" for no function. nameOf gives
// a usage id's key name, or nothing; an id without a name shows in hexadecimal.
function legend(code, nameOf) {
    const keyName = id => nameOf(id) || ("0x" + id.toString(16).toUpperCase())
    if (code.every(b => b === 0))
        return "—"
    if (code[0] === kindKey)
        return code.slice(1).filter(id => id !== 0).map(keyName).join("+")
    if (code[0] === kindFn)
        return "Fn"
    if (code[0] === kindMedia) {
        const index = mediaIndex(code[2], code[3])
        return index >= 0 ? mediaShortNames[index] : "Media"
    }
    if (code[0] === kindMacro)
        return "M" + code[2]
    return "?"
}
