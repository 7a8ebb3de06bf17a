import QtQuick
import modules
import "../common"
import "KeyWalk.js" as KeyWalk

// The keyboard picture of the lighting page: one key item per key of the hardware definition,
// found by creation number, by matrix position and by a point in the picture.
Item {
    id: model

    // The effect controller the keys follow.
    property var controller: null
    property var keys_kId: []
    // One entry per matrix position below total_FW; a position without a key holds a dark
    // placeholder whose matrix is -1.
    property var keys_matrix: []
    // The extent of all keys.
    property int pictureWidth: 0
    property int pictureHeight: 0

    readonly property int cellSize: 20

    // Whether the arrow keys may walk the picture (while painting), and the key they walked to;
    // Enter or Space paints it.
    property bool isWalkable: false
    property int cursorIndex: 0
    readonly property bool isWalking: walkFocus.activeFocus
    readonly property var cursorKey: keys_kId[cursorIndex] || null
    signal keyChosen(var key)

    function walk(dx, dy) {
        if (cursorKey)
            cursorIndex = KeyWalk.next(keys_kId, cursorKey, dx, dy).kId
    }
    property var cells: ({})

    width: pictureWidth
    height: pictureHeight

    // Every key's label, over the caps and frames, in the preview's colours.
    readonly property alias labelLayer: labelLayer
    KeyLabelLayer {
        id: labelLayer
        width: model.width
        height: model.height
        z: 1
    }

    FocusTarget {
        id: walkFocus
        objectName: "focusTarget"
        z: 2
        enabled: model.isWalkable
        role: Accessible.List
        name: Scene.sceneTexts.keys
        description: model.cursorKey ? model.cursorKey.name : ""
        onActivated: {
            if (model.cursorKey)
                model.keyChosen(model.cursorKey)
        }
        Keys.onLeftPressed: model.walk(-1, 0)
        Keys.onRightPressed: model.walk(1, 0)
        Keys.onUpPressed: model.walk(0, -1)
        Keys.onDownPressed: model.walk(0, 1)
    }

    // The walked key's own mark.
    Rectangle {
        objectName: "keyCursor"
        z: 2
        visible: model.isWalking && model.cursorKey !== null
        x: model.cursorKey ? model.cursorKey.x - 2 : 0
        y: model.cursorKey ? model.cursorKey.y - 2 : 0
        width: model.cursorKey ? model.cursorKey.width + 4 : 0
        height: model.cursorKey ? model.cursorKey.height + 4 : 0
        color: "transparent"
        radius: 3
        border.width: 2
        border.color: Scene.globalSetting_color
    }

    Component {
        id: keyComponent
        Key_ColorPro {}
    }

    // A whole number from a field of the definition, or NaN.
    function wholeNumber(value) {
        const text = String(value).trim()
        return /^-?[0-9]+$/.test(text) ? parseInt(text) : NaN
    }

    function clear() {
        for (const key of keys_kId)
            key.destroy()
        keys_kId = []
        keys_matrix = []
        labelLayer.setLabels([])
        cells = {}
        pictureWidth = 0
        pictureHeight = 0
    }

    // Builds the keys from the hardware definition [total_HW, total_FW, [entries]]; entries that
    // are not key descriptions are left out.
    function initUI(HWDef) {
        clear()
        if (!HWDef || HWDef.length < 3 || !HWDef[2])
            return
        const total = wholeNumber(HWDef[0])
        const slots = Math.max(0, wholeNumber(HWDef[1]) || 0)
        const rows = HWDef[2]
        const keys = []
        for (let i = 0; i < total && i < rows.length; ++i) {
            const row = rows[i]
            if (!row || row.length < 6)
                continue
            const x = wholeNumber(row[1])
            const y = wholeNumber(row[2])
            const keyType = wholeNumber(row[3])
            const matrix = wholeNumber(row[5])
            if (isNaN(x) || isNaN(y) || isNaN(keyType) || isNaN(matrix))
                continue
            keys.push(keyComponent.createObject(model, {
                "kId": keys.length, "x": x, "y": y, "keyType": keyType, "name": String(row[4]),
                "matrix": matrix >= 0 && matrix < slots ? matrix : -1, "ctrl": controller
            }))
        }
        const byMatrix = []
        for (let m = 0; m < slots; ++m)
            byMatrix.push({ "matrix": -1, "_R": 0, "_G": 0, "_B": 0, "_Alpha": 0 })
        for (const key of keys) {
            if (key.matrix >= 0)
                byMatrix[key.matrix] = key
        }
        keys_kId = keys
        keys_matrix = byMatrix
        buildCells()
        showLabels()
    }

    function showLabels() {
        if (keys_kId.length > 0)
            labelLayer.font = keys_kId[0].labelFont
        labelLayer.setLabels(keys_kId.map(key => {
            const origin = key.labelOrigin(labelLayer)
            return { "x": origin.x, "y": origin.y, "text": key.name }
        }))
    }

    function buildCells() {
        const grid = {}
        let w = 0, h = 0
        for (const key of keys_kId) {
            w = Math.max(w, key.x + key.width)
            h = Math.max(h, key.y + key.height)
            for (let cx = Math.floor(key.x / cellSize); cx <= Math.floor((key.x + key.width) / cellSize); ++cx) {
                for (let cy = Math.floor(key.y / cellSize); cy <= Math.floor((key.y + key.height) / cellSize); ++cy) {
                    const name = cx + "," + cy
                    if (!grid[name])
                        grid[name] = []
                    grid[name].push(key)
                }
            }
        }
        cells = grid
        pictureWidth = w
        pictureHeight = h
    }

    // The key whose rectangle, edges included, holds the point, or null.
    function keys_xy(x, y) {
        const cell = cells[Math.floor(x / cellSize) + "," + Math.floor(y / cellSize)]
        if (!cell)
            return null
        for (const key of cell) {
            if (x >= key.x && x <= key.x + key.width && y >= key.y && y <= key.y + key.height)
                return key
        }
        return null
    }

    // The keys whose rectangles touch the rectangle from (x1, y1) to (x2, y2), edges included.
    function keysTouching(x1, y1, x2, y2) {
        return keys_kId.filter(key => key.x <= x2 && key.x + key.width >= x1 && key.y <= y2
                                      && key.y + key.height >= y1)
    }
}
