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
    // The control that held the focus last: Tab goes on from where it was, when it went away.
    property Item lastFocused: null
    // What each control shows while it holds the focus.
    readonly property Component markComponent: Component {
        FocusMark {}
    }

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

    // Two controls share a row when their tops lie closer than half the lower one's height, so a
    // tall list beside a column of buttons reads before the buttons below its top.
    function readsBefore(a, b) {
        if (a.band !== b.band)
            return a.band < b.band
        if (Math.abs(a.y - b.y) >= Math.min(a.height, b.height) / 2)
            return a.y < b.y
        return a.x < b.x
    }

    function placeOf(item) {
        const origin = item.mapToItem(null, 0, 0)
        const place = { "item": item, "x": origin.x, "y": origin.y, "height": item.height }
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

    // The control after (or before) `item`, around the ends. For a control that cannot take the
    // focus now, the one after (or before) the place where it is; without one, the first (or last).
    function neighbour(item, window, forward) {
        const order = ordered(window)
        if (order.length === 0)
            return null
        const at = order.indexOf(item)
        if (at >= 0)
            return order[(at + (forward ? 1 : order.length - 1)) % order.length]
        if (!item)
            return forward ? order[0] : order[order.length - 1]
        const from = placeOf(item)
        const places = order.map(placeOf)
        const after = places.findIndex(place => readsBefore(from, place))
        if (forward)
            return order[after < 0 ? 0 : after]
        const before = (after < 0 ? order.length : after) - 1
        return order[before < 0 ? order.length - 1 : before]
    }

    // Gives the focus to the first control inside `item`.
    function focusInside(item) {
        const inside = targets.find(target => isWithin(target, item))
        if (inside)
            inside.forceActiveFocus()
    }

    // The focused control went away (hidden or disabled): the focus goes on to the control after
    // its place, unless it went to another control already.
    function whenGone(item) {
        if (lastFocused !== item || (item.visible && item.enabled))
            return
        gone = item
        goneTimer.restart()
    }

    // Qt hands the focus of a control that goes away to its scope first; the move waits for that.
    property Item gone: null
    property Timer goneTimer: Timer {
        interval: 1
        onTriggered: {
            const item = FocusChain.gone
            FocusChain.gone = null
            if (item && FocusChain.targets.indexOf(item.Window.activeFocusItem) < 0)
                FocusChain.move(item, item.Window.window, true)
        }
    }

    function move(item, window, forward) {
        const next = neighbour(item, window, forward)
        if (next)
            next.forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
    }
}
