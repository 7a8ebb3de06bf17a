.pragma library

// The orders and colour pictures in which the lighting preview walks the keys, worked out from
// the keys' places in the picture (a Model_Color_Z9).

const step = 10

// The value rising from 0 to 255 across a part of the given width.
function share(distance, width) {
    return width > 0 ? Math.floor(255 * distance / width) : 0
}

// Red, green, blue per matrix position: blue and red on the right third, green to blue in the
// middle, red to green on the left.
function horizontalColors(model) {
    const w = model.pictureWidth
    const b1 = Math.floor(w / 3)
    const b2 = Math.floor(2 * w / 3)
    return colorsBy(model, key => {
        const x = key.centerX
        if (x >= b2)
            return [share(x - b2, w - b2), 0, share(w - x, w - b2)]
        if (x >= b1)
            return [0, share(b2 - x, b2 - b1), share(x - b1, b2 - b1)]
        return [share(b1 - x, b1), share(x, b1), 0]
    })
}

// Red, green, blue per matrix position: red to blue on the lower half, green to blue above.
function verticalColors(model) {
    const h = model.pictureHeight
    const half = Math.floor(h / 2)
    return colorsBy(model, key => {
        const y = key.centerY
        if (y >= half)
            return [share(y - half, h - half), 0, share(h - y, h - half)]
        return [0, share(half - y, half), share(y, half)]
    })
}

function colorsBy(model, colorOf) {
    const picture = new Array(3 * model.keys_matrix.length).fill(0)
    for (const key of model.keys_kId) {
        if (key.matrix < 0 || key.matrix >= model.keys_matrix.length)
            continue
        const rgb = colorOf(key)
        for (let c = 0; c < 3; ++c)
            picture[3 * key.matrix + c] = Math.max(0, Math.min(255, rgb[c]))
    }
    return picture
}

// The first key on the diagonal from (x, y), moving `dx` and down in steps of 10, that `accept`
// takes; the walk ends at the picture's bottom.
function diagonalKey(model, x, y, dx, accept) {
    for (; y < model.pictureHeight; x += dx, y += step) {
        const key = model.keys_xy(x, y)
        if (key && accept(key))
            return { "key": key, "x": x, "y": y }
    }
    return null
}

// The marquee order: row by row, left to right and back, each key once.
function serpentine(model) {
    const w = model.pictureWidth
    const h = model.pictureHeight
    const path = []
    const seen = new Set()
    let found = diagonalKey(model, 0, 0, step, () => true)
    if (!found)
        return path
    const rowHeight = found.key.height
    let x = found.x
    let y = found.y
    let dir = 1
    let rowFirst = null
    while (y < h) {
        if (x < 0 || x > w) {
            x -= dir * step
            dir = -dir
            y = (rowFirst ? rowFirst.y : y) + rowHeight + step
            rowFirst = null
            found = diagonalKey(model, x, y, dir * step, key => !seen.has(key))
            if (!found)
                break
            x = found.x
            y = found.y
            continue
        }
        const key = model.keys_xy(x, y)
        if (key && !seen.has(key)) {
            seen.add(key)
            path.push(key.matrix)
            if (!rowFirst)
                rowFirst = key
            x = dir > 0 ? key.x + key.width : key.x
        }
        x += dir * step
    }
    return path
}

// The circular marquee: an inward spiral over a grid of key-sized steps, then back out.
function spiral(model) {
    const found = diagonalKey(model, 0, 0, step, () => true)
    if (!found)
        return []
    const first = found.key
    const x0 = first.centerX
    const y0 = first.centerY
    const dx = first.width
    const dy = first.height + 2
    if (dx <= 0 || dy <= 0)
        return []
    const columns = Math.floor((model.pictureWidth - x0) / dx) + 1
    const rows = Math.floor((model.pictureHeight - y0) / dy) + 1
    const path = []
    const seen = new Set()
    const visit = (col, row) => {
        const key = model.keys_xy(x0 + col * dx, y0 + row * dy)
        if (key && !seen.has(key)) {
            seen.add(key)
            path.push(key.matrix)
        }
    }
    let top = 0, bottom = rows - 1, left = 0, right = columns - 1
    while (top <= bottom && left <= right) {
        for (let c = left; c <= right; ++c)
            visit(c, top)
        for (let r = top + 1; r <= bottom; ++r)
            visit(right, r)
        if (top < bottom)
            for (let c = right - 1; c >= left; --c)
                visit(c, bottom)
        if (left < right)
            for (let r = bottom - 1; r > top; --r)
                visit(left, r)
        ++top
        --bottom
        ++left
        --right
    }
    return path.concat(path.slice().reverse())
}
