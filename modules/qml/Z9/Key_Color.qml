import QtQuick
import QtQuick.Window

// One key of the lighting picture: its cap. Its label, in the preview's colour, is drawn by the
// picture's label layer, where it lies.
Item {
    id: key
    property int kId: -1
    property int matrix: -1
    property int keyType: 0
    property string name: ""
    readonly property alias labelFont: cap.labelFont
    property bool showsFrame: false

    function labelOrigin(item) {
        return cap.labelOrigin(item)
    }

    width: cap.width
    height: cap.height

    Accessible.role: Accessible.ListItem
    Accessible.name: name
    Accessible.selected: showsFrame

    KeyCap {
        id: cap
        keyType: key.keyType
        label: key.name
        labelShown: false
        // The edge is cut from the 1x picture; a screen that scales draws the whole 2x cap.
        opaqueFace: key.Screen.devicePixelRatio <= 1
        frameOpacity: key.showsFrame ? 1 : 0
    }
}
