import QtQuick

// A band of colours from black through red, yellow, green, cyan, blue, magenta and white back to
// black; pressing or dragging on it picks the colour under the pointer.
Image {
    id: strip
    signal colorPicked(int r, int g, int b)
    // A drag across the band is one pick in progress.
    readonly property bool isPicking: stripMouse.pressed

    // Where the arrow keys last picked, along the band; -1 before they did.
    property real keyPosition: -1
    // The arrow keys cross the band in 32 steps.
    readonly property real keyStep: (band.width - 1) / 32

    function stepBy(delta) {
        keyPosition = Math.max(0, Math.min(band.width - 1, keyPosition < 0 ? 0 : keyPosition + delta * keyStep))
        const rgb = ColorBand.colorOfStrip(keyPosition, band.width)
        colorPicked(rgb[0], rgb[1], rgb[2])
    }

    source: Scene.sourcePalette

    Rectangle {
        id: band
        objectName: "paletteStrip"
        anchors.fill: parent
        anchors.topMargin: 3
        anchors.bottomMargin: 3
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: "#000000" }
            GradientStop { position: 0.125; color: "#FF0000" }
            GradientStop { position: 0.25; color: "#FFFF00" }
            GradientStop { position: 0.375; color: "#00FF00" }
            GradientStop { position: 0.5; color: "#00FFFF" }
            GradientStop { position: 0.625; color: "#0000FF" }
            GradientStop { position: 0.75; color: "#FF00FF" }
            GradientStop { position: 0.875; color: "#FFFFFF" }
            GradientStop { position: 1.0; color: "#000000" }
        }
    }

    MouseArea {
        id: stripMouse
        objectName: "paletteMouse"
        anchors.fill: band
        function pick(x) {
            const rgb = ColorBand.colorOfStrip(Math.max(0, Math.min(width - 1, x)), width)
            strip.colorPicked(rgb[0], rgb[1], rgb[2])
        }
        onPressed: function (mouse) { pick(mouse.x) }
        onPositionChanged: function (mouse) {
            if (pressed)
                pick(mouse.x)
        }
    }

    FocusTarget {
        objectName: "focusTarget"
        role: Accessible.Slider
        name: Scene.sceneTexts.colorBand
        Keys.onRightPressed: strip.stepBy(1)
        Keys.onLeftPressed: strip.stepBy(-1)
        Accessible.onIncreaseAction: strip.stepBy(1)
        Accessible.onDecreaseAction: strip.stepBy(-1)
    }
}
