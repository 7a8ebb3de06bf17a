import QtQuick

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

    KeyCap {
        id: cap
        keyType: key.keyType
        label: key.name
        labelShown: false
        opaqueFace: true
        frameOpacity: key.showsFrame ? 1 : 0
    }
}
