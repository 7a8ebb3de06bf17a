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
