import QtQuick
import "../common"

// The colour selection of the lighting pages: the seven palette slots, then the LOOP box.
// Position 7 (LOOP) cycles through all seven colours.
Row {
    id: row
    property var palette: []
    property int currentIndex: 0
    signal slotClicked(int index)

    // A click on a slot, or on LOOP (7).
    function choose(index) {
        currentIndex = index
        slotClicked(index)
    }

    spacing: 8

    Image {
        source: Scene.sourcePaletteIndex
        // The arrow keys choose a slot.
        FocusTarget {
            objectName: "focusTarget"
            role: Accessible.Grouping
            name: Scene.globalSetting_stringList[35]
            Keys.onRightPressed: row.choose(Math.min(6, Math.max(0, row.currentIndex + 1)))
            Keys.onLeftPressed: row.choose(Math.max(0, Math.min(6, row.currentIndex - 1)))
        }
        Row {
            x: 1
            y: 1
            spacing: 2
            Repeater {
                model: 7
                Rectangle {
                    id: slot
                    required property int index
                    // Qt 6.4's lint cannot see this document's ids from a delegate;
                    // the lines that use them say so.
                    readonly property var rgb: row.palette[index] || [0, 0, 0] // qmllint disable unqualified
                    objectName: "paletteSlot" + index
                    width: 19
                    height: 19
                    color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
                    border.width: row.currentIndex === index ? 2 : 0 // qmllint disable unqualified
                    border.color: Scene.globalSetting_color
                    Accessible.role: Accessible.RadioButton
                    Accessible.name: Scene.globalSetting_stringList[35] + " " + (index + 1)
                    Accessible.description: rgb.join(", ")
                    Accessible.checkable: true
                    Accessible.checked: row.currentIndex === index // qmllint disable unqualified
                    Accessible.onPressAction: row.choose(slot.index) // qmllint disable unqualified
                    MouseArea {
                        anchors.fill: parent
                        onClicked: row.choose(slot.index) // qmllint disable unqualified
                    }
                }
            }
        }
    }

    Item {
        id: loopBox
        objectName: "loopBox"
        width: loopImage.width + 4 + loopText.implicitWidth
        height: 21
        Image {
            id: loopImage
            anchors.verticalCenter: parent.verticalCenter
            source: row.currentIndex === 7 ? Scene.sourceCHK1 : Scene.sourceCHK0
        }
        Text {
            id: loopText
            anchors.left: loopImage.right
            anchors.leftMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            text: Scene.globalSetting_stringList[2]
            Accessible.ignored: true
            font.family: Scene.globalSetting_fontFamily
            font.pixelSize: Scene.globalSetting_size
            font.bold: true
            color: loopMouse.containsMouse || row.currentIndex === 7 ? Scene.globalSetting_color : Scene.globalSetting_color_enable
        }
        MouseArea {
            id: loopMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: row.choose(7)
        }
        FocusTarget {
            objectName: "loopFocus"
            role: Accessible.CheckBox
            name: loopText.text
            checkable: true
            checked: row.currentIndex === 7
            onActivated: row.choose(7)
        }
    }
}
