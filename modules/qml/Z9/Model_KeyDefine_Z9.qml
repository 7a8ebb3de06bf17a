import QtQuick
import "../common"
import "KeyWalk.js" as KeyWalk
import "KeyLayout_Z9.js" as KeyLayout

// The keyboard picture of the key definition page: one key item per matrix position, in matrix
// order, placed and labelled by the generated layout table. Positions without a key cap are
// there too: they keep their code but cannot be seen or selected.
Item {
    id: keyboard
    // The key items, indexed by matrix position.
    property var keys_matrix: []
    property int curKeyMatrix: 4
    // The key that the arrow keys walk to while the picture holds the focus; Enter selects it.
    property int cursorMatrix: 4
    readonly property bool isWalking: walkFocus.activeFocus
    readonly property var cursorKey: keys_matrix[cursorMatrix] || null
    // The item whose coordinates the keys report the pointer in.
    property Item dragSpace: parent
    signal keyPressed(var key)
    signal keyMoved(var key)
    signal keyReleased(var key)
    signal keyClicked(var key)

    property int pictureWidth: 0
    property int pictureHeight: 0
    width: pictureWidth
    height: pictureHeight

    // Positions without a key cap are not shown (nor is the picture before the opening shows it).
    function hasCap(key) {
        return key.keyType > 0
    }

    function walk(dx, dy) {
        if (cursorKey)
            cursorMatrix = KeyWalk.next(keys_matrix.filter(hasCap), cursorKey, dx, dy).matrix
    }

    Repeater {
        id: keyRepeater
        model: KeyLayout.keys
        Key_KeyDefine {
            required property var modelData
            objectName: "key" + modelData.matrix
            matrix: modelData.matrix
            name: modelData.name
            keyType: modelData.keyType
            x: modelData.x
            y: modelData.y
            keyCode_Default: modelData.code
            // Qt 6.4's lint cannot see this document's ids from a delegate;
            // the lines that use them say so.
            isSelect: matrix === keyboard.curKeyMatrix // qmllint disable unqualified
            isCursor: keyboard.isWalking && matrix === keyboard.cursorMatrix // qmllint disable unqualified
            dragSpace: keyboard.dragSpace // qmllint disable unqualified
            onKeyPressed: function (key) { keyboard.keyPressed(key) }
            onKeyMoved: function (key) { keyboard.keyMoved(key) }
            onKeyReleased: function (key) { keyboard.keyReleased(key) }
            onKeyClicked: function (key) { keyboard.keyClicked(key) }
        }
    }

    Component.onCompleted: {
        const keys = []
        for (let i = 0; i < keyRepeater.count; ++i)
            keys.push(keyRepeater.itemAt(i))
        keys_matrix = keys
        const shown = keys.filter(hasCap)
        pictureWidth = Math.max(...shown.map(key => key.x + key.width))
        pictureHeight = Math.max(...shown.map(key => key.y + key.height))
    }

    // The arrow keys walk the keys from the selected one; Enter or Space selects.
    FocusTarget {
        id: walkFocus
        objectName: "focusTarget"
        role: Accessible.List
        name: Scene.sceneTexts.keys
        description: keyboard.cursorKey ? keyboard.cursorKey.accessibleName : ""
        onActiveFocusChanged: {
            if (activeFocus)
                keyboard.cursorMatrix = keyboard.curKeyMatrix
        }
        onActivated: {
            if (keyboard.cursorKey)
                keyboard.keyClicked(keyboard.cursorKey)
        }
        Keys.onLeftPressed: keyboard.walk(-1, 0)
        Keys.onRightPressed: keyboard.walk(1, 0)
        Keys.onUpPressed: keyboard.walk(0, -1)
        Keys.onDownPressed: keyboard.walk(0, 1)
    }

    // The walked key's own mark.
    Rectangle {
        objectName: "keyCursor"
        visible: keyboard.isWalking && keyboard.cursorKey !== null
        x: keyboard.cursorKey ? keyboard.cursorKey.x - 2 : 0
        y: keyboard.cursorKey ? keyboard.cursorKey.y - 2 : 0
        width: keyboard.cursorKey ? keyboard.cursorKey.width + 4 : 0
        height: keyboard.cursorKey ? keyboard.cursorKey.height + 4 : 0
        color: "transparent"
        radius: 3
        border.width: 2
        border.color: Scene.globalSetting_color
    }
}
