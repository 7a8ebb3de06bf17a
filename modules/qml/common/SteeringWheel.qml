import QtQuick

// A direction picker: right, left, up and down around a blank centre.
Item {
    id: steeringWheel
    property int currentIndex: 1
    property int textSize: 12
    property color textColor: "#000000"
    signal wheelClicked(int index)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    width: 21 * 3 - 2
    height: 21 * 3 - 2

    Image {
        x: 20
        y: 20
        source: Scene.sourceSliderFiller0
    }

    Repeater {
        // index 1 right, 2 left, 3 up, 4 down
        model: [{ "cellX": 40, "cellY": 20, "arrow": "►" }, { "cellX": 0, "cellY": 20, "arrow": "◄" },
            { "cellX": 20, "cellY": 0, "arrow": "▲" }, { "cellX": 20, "cellY": 40, "arrow": "▼" }]
        Image {
            id: cell
            required property int index
            required property var modelData
            readonly property int direction: index + 1
            objectName: "direction" + direction
            x: modelData.cellX
            y: modelData.cellY
            // Qt 6.4's lint cannot see this document's ids from a delegate;
            // the lines that use them say so.
            source: (cellMouse.containsMouse || steeringWheel.currentIndex === direction) ? Scene.sourceSliderFiller1 : Scene.sourceSliderFiller0 // qmllint disable unqualified
            Text {
                anchors.centerIn: parent
                text: cell.modelData.arrow
                font.family: "Arial"
                font.bold: true
                font.pixelSize: steeringWheel.textSize // qmllint disable unqualified
                color: steeringWheel.textColor // qmllint disable unqualified
            }
            MouseArea {
                id: cellMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    steeringWheel.currentIndex = cell.direction // qmllint disable unqualified
                    steeringWheel.wheelClicked(cell.direction)
                }
            }
        }
    }
}
