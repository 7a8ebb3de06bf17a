.pragma library

// Values that the lighting pages and the preview share.

// The palette as the keyboard leaves the factory: red, yellow, green, cyan, blue, magenta, white.
const factoryPalette = [[255, 0, 0], [255, 255, 0], [0, 255, 0], [0, 255, 255], [0, 0, 255], [255, 0, 255],
    [255, 255, 255]]

// A stored list as whole numbers 0 … 255 when it holds exactly `length` of them, else null: a
// missing, short or damaged group is ignored as a whole.
function storedBytes(list, length) {
    if (!list || list.length !== length)
        return null
    const bytes = []
    for (let i = 0; i < length; ++i) {
        const text = String(list[i]).trim()
        if (!/^[0-9]+$/.test(text) || parseInt(text) > 255)
            return null
        bytes.push(parseInt(text))
    }
    return bytes
}

// The palette with each slot replaced by its stored colour, where one is stored.
function storedPalette(palette, colorOf) {
    const colors = palette.slice()
    for (let i = 0; i < 7; ++i) {
        const rgb = storedBytes(colorOf(i), 3)
        if (rgb)
            colors[i] = rgb
    }
    return colors
}

function clampChannel(value) {
    return Math.max(0, Math.min(255, value))
}

// One colour step of the wave, packed as 0xRRGGBB: the channels flow red → blue → green → red, or
// with `reverse` red → green → blue → red.
function waveStep(r, g, b, reverse) {
    const s = 16
    if (reverse) {
        if (r === 255 || (r !== 0 && g !== 0)) {
            r -= s; g += s
        } else if (g === 255 || (g !== 0 && b !== 0)) {
            g -= s; b += s
        } else {
            b -= s; r += s
        }
    } else {
        if (r === 255 || (r !== 0 && b !== 0)) {
            r -= s; b += s
        } else if (g === 255 || (g !== 0 && r !== 0)) {
            g -= s; r += s
        } else {
            b -= s; g += s
        }
    }
    return (clampChannel(r) * 256 + clampChannel(g)) * 256 + clampChannel(b)
}

// Twinkle's colours by step 0 … 34 from the palette's channels in one list: step 5 * j + d lies
// d fifths of the way from slot j to the next slot.
function twinkleColors(channels) {
    const colors = []
    for (let j = 0; j < 7; ++j) {
        const n = (j + 1) % 7
        for (let d = 0; d < 5; ++d) {
            const rgb = []
            for (let c = 0; c < 3; ++c)
                rgb.push(Math.floor((channels[3 * j + c] * (5 - d) + channels[3 * n + c] * d) / 5))
            colors.push(rgb)
        }
    }
    return colors
}
