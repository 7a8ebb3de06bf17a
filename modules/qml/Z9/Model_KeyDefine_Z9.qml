import QtQuick
import "KeyLayout_Z9.js" as KeyLayout

// The keyboard picture of the key definition page: one key item per matrix position, in matrix
// order, placed and labelled by the generated layout table. Positions without a key cap are
// there too: they keep their code but cannot be seen or selected.
Item {
    id: keyboard
    // The key items, indexed by matrix position.
    property var keys_matrix: []
    property int curKeyMatrix: 4
    // The item whose coordinates the keys report the pointer in.
    property Item dragSpace: parent
    signal keyPressed(var key)
    signal keyMoved(var key)
    signal keyReleased(var key)
    signal keyClicked(var key)

    width: childrenRect.width
    height: childrenRect.height

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
    }
}
