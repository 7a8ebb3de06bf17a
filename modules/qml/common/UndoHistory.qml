import QtQuick

// Steps back and forth through a page's edits. The page binds `state` to what its edits change
// (plain values), and puts a state back when `restoring` asks for it. A step is one whole user edit:
// every change of one event settles into one step, and nothing settles while `holding` is true (a
// drag in progress). A page may override noteOf() to keep, with each state, facts that lie outside
// the page.
QtObject {
    id: history

    property var state: null
    property bool holding: false
    property int depth: 64

    property var current: null
    property var past: []
    property var future: []

    signal restoring(var state, var noted)

    // One step settles once the event that changed the state has been handled.
    property Timer settler: Timer {
        interval: 0
        onTriggered: history.commit()
    }

    function noteOf(state) {
        return null
    }

    function snapshot() {
        const key = JSON.stringify(state)
        const copy = JSON.parse(key)
        return { "key": key, "state": copy, "noted": noteOf(copy) }
    }

    // The page's state now is where history starts: after reading the profile, after apply.
    function reset() {
        current = snapshot()
        past = []
        future = []
    }

    // Takes a settled change as a step; a new step leaves nothing to redo.
    function commit() {
        if (holding || current === null)
            return
        if (JSON.stringify(state) === current.key)
            return
        past = past.concat([current]).slice(-depth)
        future = []
        current = snapshot()
    }

    // One step back (or forward): the state before the last step comes back, the one left waits.
    function travel(back) {
        commit()
        const from = back ? past : future
        if (holding || from.length === 0)
            return false
        const target = from[from.length - 1]
        const kept = (back ? future : past).concat([current]).slice(-depth)
        if (back) {
            past = from.slice(0, -1)
            future = kept
        } else {
            future = from.slice(0, -1)
            past = kept
        }
        current = target
        restoring(target.state, target.noted)
        // What the page shows now is the step's state, even where putting it back rounds a value.
        current = { "key": JSON.stringify(state), "state": target.state, "noted": target.noted }
        return true
    }

    function undo() {
        return travel(true)
    }

    function redo() {
        return travel(false)
    }

    onStateChanged: settler.restart()
    onHoldingChanged: {
        if (!holding)
            settler.restart()
    }
}
