.pragma library
// Walking a keyboard picture with the arrow keys: the next key in a direction is the nearest one
// whose middle lies that way, a key straight ahead preferred over one further to the side.

// How much a step to the side counts against a step ahead.
var sideWeight = 3

function middle(key) {
    return { "x": key.x + key.width / 2, "y": key.y + key.height / 2 }
}

// The key after `from` in direction (dx, dy), one of them ±1 and the other 0; `from` itself when
// no key lies that way. `keys` are items with x, y, width and height in one picture.
function next(keys, from, dx, dy) {
    const start = middle(from)
    let best = from
    let bestCost = Infinity
    for (const key of keys) {
        if (key === from)
            continue
        const m = middle(key)
        const ahead = (m.x - start.x) * dx + (m.y - start.y) * dy
        if (ahead <= 0)
            continue
        const side = Math.abs((m.x - start.x) * dy) + Math.abs((m.y - start.y) * dx)
        const cost = ahead + sideWeight * side
        if (cost < bestCost) {
            best = key
            bestCost = cost
        }
    }
    return best
}
