pragma Singleton
import QtQuick

// The colour band that the palette strip shows, and the settings page reads back.
QtObject {
    // The colour at position p of a band `length` long that runs from black through red, yellow,
    // green, cyan, blue, magenta and white back to black, in eighths.
    function colorOfStrip(p, length) {
        const rate = p / (length - 1) / 0.125
        const level = Math.floor(rate)
        const v = Math.floor(255 * (rate - level) + 0.5)
        switch (level) {
        case 0: return [v, 0, 0]
        case 1: return [255, v, 0]
        case 2: return [255 - v, 255, 0]
        case 3: return [0, 255, v]
        case 4: return [0, 255 - v, 255]
        case 5: return [v, 0, 255]
        case 6: return [255, v, 255]
        case 7: return [255 - v, 255 - v, 255 - v]
        default: return [0, 0, 0]
        }
    }
}
