pragma Singleton
import QtQuick

// The order in which Tab walks the controls of a window: reading order. The window falls into the
// top bar, the left column, the middle, the right column and the bottom bar, read in that order;
// within each, rows from top to bottom and each row from left to right. The order comes from
// where the controls are, so a page or panel that opens or closes takes its place by itself.
QtObject {
    property var targets: []
    // While a dialog or a menu asks, Tab stays within it.
    property Item modalRoot: null

    readonly property int topBarEnd: 40
    readonly property int bottomBarStart: 540
    readonly property int leftColumnEnd: 165
    readonly property int rightColumnStart: 930

    function register(target) {
        targets = targets.concat([target])
    }

    function isWithin(item, root) {
        for (let up = item; up; up = up.parent) {
            if (up === root)
                return true
        }
        return false
    }

    function unregister(target) {
        targets = targets.filter(item => item !== target)
    }

    function band(place) {
        if (place.y < topBarEnd)
            return 0
        if (place.y >= bottomBarStart)
            return 4
        if (place.x < leftColumnEnd)
            return 1
        return place.x < rightColumnStart ? 2 : 3
    }

    // Two controls share a row when their middles lie closer than half the lower one's height.
    function readsBefore(a, b) {
        if (a.band !== b.band)
            return a.band < b.band
        if (Math.abs(a.middle - b.middle) >= Math.min(a.height, b.height) / 2)
            return a.middle < b.middle
        return a.x < b.x
    }

    function placeOf(item) {
        const origin = item.mapToItem(null, 0, 0)
        const place = { "item": item, "x": origin.x, "y": origin.y, "height": item.height,
            "middle": origin.y + item.height / 2 }
        place.band = band(place)
        return place
    }

    // The controls that can take the focus now in the window of `item`, in reading order.
    function ordered(window) {
        const places = targets.filter(item => item.visible && item.enabled && item.Window.window === window
                                      && (modalRoot === null || isWithin(item, modalRoot)))
                              .map(placeOf)
        places.sort((a, b) => readsBefore(a, b) ? -1 : (readsBefore(b, a) ? 1 : 0))
        return places.map(place => place.item)
    }

    // The control after (or before) `item`, around the ends; the first (or last) one when the
    // focus is on none of them.
    function neighbour(item, window, forward) {
        const order = ordered(window)
        if (order.length === 0)
            return null
        const at = order.indexOf(item)
        if (at < 0)
            return forward ? order[0] : order[order.length - 1]
        return order[(at + (forward ? 1 : order.length - 1)) % order.length]
    }

    // Gives the focus to the first control inside `item`.
    function focusInside(item) {
        const inside = targets.find(target => isWithin(target, item))
        if (inside)
            inside.forceActiveFocus()
    }

    function move(item, window, forward) {
        const next = neighbour(item, window, forward)
        if (next)
            next.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
    }
}
