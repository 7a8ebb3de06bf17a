import QtQuick

// One key of the lighting picture: its cap, and its label in the preview's colour.
Item {
    id: key
    property int kId: -1
    property int matrix: -1
    property int keyType: 0
    property string name: ""
    // The label's colour, with the faint white copy laid over it already.
    property alias labelColor: cap.labelColor
    property bool showsFrame: false

    width: cap.width
    height: cap.height

    KeyCap {
        id: cap
        keyType: key.keyType
        label: key.name
        labelColor: "#1AFFFFFF"
        opaqueFace: true
        frameOpacity: key.showsFrame ? 1 : 0
    }
}
