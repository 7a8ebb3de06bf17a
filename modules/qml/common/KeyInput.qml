import QtQuick

// One key slot of a key combination: shows the key's name, and a click empties it.
Rectangle {
    id: keyInput
    property int keycodeUSB: -1
    property string keyname: ""
    property string keynameDefault: "【 KEYS 】"
    property string keycancel: "╳"
    property bool isIn: false
    // What a screen reader calls the slot.
    property alias accessibleName: focusTarget.name
    // While it holds the focus, the slot takes the key next released on the keyboard.
    readonly property bool isListening: focusTarget.activeFocus
    signal clearKey

    function clear() {
        keycodeUSB = -1
        clearKey()
    }

    function setKeycodeUSB(keycode) {
        const name = Scene.keyCodeString.keycodeTostr(keycode)
        if (name !== undefined) {
            keycodeUSB = keycode
            keyname = name
        } else {
            keycodeUSB = -1
            keyname = ""
        }
    }

    width: 65
    height: 23
    color: "#FF000000"

    Rectangle {
        width: parent.width - 1
        height: parent.height - 1
        color: "transparent"
        border.width: 1
        border.color: (keyMouse.containsMouse || keyInput.isIn) ? Scene.globalSetting_color : Scene.globalSetting_color_enable
    }

    Text {
        objectName: "keyText"
        anchors.centerIn: parent
        text: keyMouse.containsMouse ? keyInput.keycancel
                                     : (keyInput.keycodeUSB === -1 ? keyInput.keynameDefault : keyInput.keyname)
        font.family: "Arial"
        font.pixelSize: 10
        color: Scene.globalSetting_color_enable
        opacity: keyMouse.pressed ? 0.5 : 1.0
    }

    MouseArea {
        id: keyMouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: keyInput.clear()
    }

    FocusTarget {
        id: focusTarget
        objectName: "focusTarget"
        role: Accessible.EditableText
        description: keyInput.keycodeUSB === -1 ? keyInput.keynameDefault : keyInput.keyname
        // Space and Enter are keys the slot takes.
        activatesOnKeys: false
    }
}
