import QtQuick

// One key of the lighting picture: its cap with the label in the preview's colour, under a faint
// white copy of the label, so that an unlit key still shows what it is.
Item {
    id: key
    property int kId: -1
    property int matrix: -1
    property int keyType: 0
    property string name: ""
    // Red, green, blue and alpha of the label, each 0 … 255.
    property var labelRGBA: [0, 0, 0, 0]
    property bool showsFrame: false

    // The white label at alpha 0.10 laid over the coloured one, as one colour.
    readonly property color labelColor: {
        const white = 0.10
        const alpha = Math.max(0, Math.min(255, labelRGBA[3])) / 255
        const shown = white + (1 - white) * alpha
        const mix = c => (white + (1 - white) * alpha * labelRGBA[c] / 255) / shown
        return Qt.rgba(mix(0), mix(1), mix(2), shown)
    }

    width: cap.width
    height: cap.height

    KeyCap {
        id: cap
        keyType: key.keyType
        label: key.name
        labelColor: key.labelColor
        frameOpacity: key.showsFrame ? 1 : 0
    }
}
