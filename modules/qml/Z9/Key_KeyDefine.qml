import QtQuick
import "../common"
import "KeyDefineCodes.js" as KeyCodes

// One key of the key definition picture: its matrix position, its factory code and the code it
// has now. A press starts a drag: the key reports where the pointer is, in dragSpace's
// coordinates, until the release.
KeyCap {
    id: key
    property int matrix: -1
    property string name: ""
    property var keyCode_Default: [0, 0, 0, 0]
    // A key starts at its factory code, so that a profile without a key table never sends keys
    // without a function.
    property int keyCode0: keyCode_Default[0]
    property int keyCode1: keyCode_Default[1]
    property int keyCode2: keyCode_Default[2]
    property int keyCode3: keyCode_Default[3]
    readonly property bool isDefault: keyCode0 === keyCode_Default[0] && keyCode1 === keyCode_Default[1]
                                      && keyCode2 === keyCode_Default[2] && keyCode3 === keyCode_Default[3]
    // The code the profile file holds for the key, once the page has read or applied it.
    property var storedCode: null
    readonly property bool isPending: storedCode !== null && (keyCode0 !== storedCode[0] || keyCode1 !== storedCode[1]
                                                              || keyCode2 !== storedCode[2] || keyCode3 !== storedCode[3])
    property bool isSelect: false
    // The arrow keys walked to it.
    property bool isCursor: false
    // A screen reader reads the key's label and, when it was given another, what it does now.
    readonly property string accessibleName: legend !== "" ? name + ": " + legend : name
    property Item dragSpace: parent
    property point dragPos: Qt.point(0, 0)
    readonly property bool isPressed: keyMouse.pressed
    signal keyPressed(var key)
    signal keyMoved(var key)
    signal keyReleased(var key)
    signal keyClicked(var key)

    function code() {
        return [keyCode0, keyCode1, keyCode2, keyCode3]
    }

    function setCode(bytes) {
        keyCode0 = bytes[0]
        keyCode1 = bytes[1]
        keyCode2 = bytes[2]
        keyCode3 = bytes[3]
    }

    function markStored() {
        storedCode = code()
    }

    function trackPointer(mouse) {
        dragPos = keyMouse.mapToItem(dragSpace, mouse.x, mouse.y)
    }

    label: name
    // A changed key shows what it does now beside its factory name.
    legend: isDefault ? "" : KeyCodes.legend(code(), id => Scene.keyCodeString ? Scene.keyCodeString.keycodeTostr(id) : "")
    isLegendPending: isPending
    labelColor: isDefault ? Scene.globalSetting_color_enable : Scene.globalSetting_color
    frameOpacity: (keyMouse.containsMouse || isSelect || isCursor) ? 1.0 : (isDefault ? 0 : 0.5)

    Accessible.role: Accessible.ListItem
    Accessible.name: accessibleName
    Accessible.selected: isSelect
    Accessible.onPressAction: key.keyClicked(key)

    MouseArea {
        id: keyMouse
        anchors.fill: parent
        hoverEnabled: true
        onPressed: function (mouse) {
            key.trackPointer(mouse)
            key.keyPressed(key)
        }
        onPositionChanged: function (mouse) {
            if (!pressed)
                return
            key.trackPointer(mouse)
            key.keyMoved(key)
        }
        onReleased: function (mouse) {
            key.trackPointer(mouse)
            key.keyReleased(key)
        }
        onClicked: key.keyClicked(key)
    }
}
