import QtQuick

// A direction picker: right, left, up and down around a blank centre.
Item {
    id: steeringWheel
    property int currentIndex: 1
    property int textSize: 12
    property color textColor: "#000000"
    // What a screen reader calls the picker.
    property alias accessibleName: focusTarget.name
    // The names of the directions 1 … 4, for a screen reader.
    readonly property var directionNames: [Scene.sceneTexts.right, Scene.sceneTexts.left, Scene.sceneTexts.up,
        Scene.sceneTexts.down]
    signal wheelClicked(int index)

    // A click on the cell of that direction.
    function choose(index) {
        currentIndex = index
        wheelClicked(index)
    }

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
            Accessible.role: Accessible.RadioButton
            Accessible.name: steeringWheel.directionNames[index] // qmllint disable unqualified
            Accessible.checkable: true
            Accessible.checked: steeringWheel.currentIndex === direction // qmllint disable unqualified
            Accessible.onPressAction: steeringWheel.choose(cell.direction) // qmllint disable unqualified
            objectName: "direction" + direction
            x: modelData.cellX
            y: modelData.cellY
            // Qt 6.4's lint cannot see this document's ids from a delegate;
            // the lines that use them say so.
            source: (cellMouse.containsMouse || steeringWheel.currentIndex === direction) ? Scene.sourceSliderFiller1 : Scene.sourceSliderFiller0 // qmllint disable unqualified
            Text {
                anchors.centerIn: parent
                text: cell.modelData.arrow
                Accessible.ignored: true
                font.family: "Arial"
                font.bold: true
                font.pixelSize: steeringWheel.textSize // qmllint disable unqualified
                color: steeringWheel.textColor // qmllint disable unqualified
            }
            MouseArea {
                id: cellMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: steeringWheel.choose(cell.direction) // qmllint disable unqualified
            }
        }
    }

    // The arrow keys pick the direction they point to.
    FocusTarget {
        id: focusTarget
        objectName: "focusTarget"
        role: Accessible.Grouping
        description: steeringWheel.currentIndex >= 1 ? steeringWheel.directionNames[steeringWheel.currentIndex - 1] : ""
        Keys.onRightPressed: steeringWheel.choose(1)
        Keys.onLeftPressed: steeringWheel.choose(2)
        Keys.onUpPressed: steeringWheel.choose(3)
        Keys.onDownPressed: steeringWheel.choose(4)
    }
}
