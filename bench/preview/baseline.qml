import QtQuick

// The baseline of the preview benchmark: 126 labels, as many as the keyboard has matrix
// positions, recoloured on every displayed frame.
Rectangle {
    id: scene
    width: 1000
    height: 600
    radius: 12
    color: "#cc101418"

    property int frame: 0
    property real tick: 0

    NumberAnimation on tick {
        from: 0
        to: 1
        duration: 1000
        loops: Animation.Infinite
    }

    onTickChanged: {
        frame = (frame + 1) % 255
        for (let i = 0; i < labels.count; ++i) {
            const k = (frame + i) % 255
            labels.itemAt(i).color = Qt.rgba(k / 255, (255 - k) / 255, 0.5, 1)
        }
    }

    Grid {
        x: 194
        y: 193
        columns: 21
        columnSpacing: 2
        rowSpacing: 2
        Repeater {
            id: labels
            model: 126
            Text {
                required property int index
                width: 31
                height: 31
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: "K" + index
                font.family: "Arial"
                font.pixelSize: 11
                font.bold: true
            }
        }
    }
}
