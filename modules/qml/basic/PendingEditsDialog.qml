import QtQuick
import QtQuick.Window
import "../common"

// The question before unapplied edits would be lost: apply them, discard them, or stay. It covers
// the whole window, so nothing behind it takes a click while it asks. Enter applies, Esc stays.
Item {
    id: dialog
    anchors.fill: parent
    visible: false

    readonly property int answerApply: 0
    readonly property int answerDiscard: 1
    readonly property int answerCancel: 2
    signal answered(int answer)

    // The control that held the focus before the question, which gets it back after.
    property Item focusBefore: null

    function open() {
        focusBefore = Window.activeFocusItem
        visible = true
        FocusChain.modalRoot = box
        box.forceActiveFocus()
    }

    function answer(value) {
        visible = false
        FocusChain.modalRoot = null
        if (focusBefore)
            focusBefore.forceActiveFocus()
        answered(value)
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: function (wheel) { wheel.accepted = true }
    }

    Rectangle {
        anchors.fill: parent
        color: "#90000000"
    }

    Rectangle {
        id: box
        objectName: "askBox"
        anchors.centerIn: parent
        width: 520
        height: column.height + 32
        color: "#E8101418"
        border.width: 1
        border.color: Scene.globalSetting_color
        radius: 2
        focus: true
        Accessible.role: Accessible.Dialog
        Accessible.name: Scene.sceneTexts.askTitle
        Keys.onReturnPressed: dialog.answer(dialog.answerApply)
        Keys.onEnterPressed: dialog.answer(dialog.answerApply)
        Keys.onEscapePressed: dialog.answer(dialog.answerCancel)

        Column {
            id: column
            x: 16
            y: 16
            width: box.width - 32
            spacing: 12
            Text {
                objectName: "askTitle"
                text: Scene.sceneTexts.askTitle
                font.family: Scene.globalSetting_fontFamily
                font.pixelSize: Scene.globalSetting_size + 2
                font.bold: true
                color: Scene.globalSetting_color
            }
            Image {
                width: column.width
                source: Scene.sourceLine
                fillMode: Image.Stretch
            }
            Text {
                objectName: "askText"
                width: column.width
                wrapMode: Text.Wrap
                text: Scene.sceneTexts.askText
                font.family: Scene.globalSetting_fontFamily
                font.pixelSize: Scene.globalSetting_size + 1
                color: Scene.globalSetting_color_enable
            }
            Row {
                anchors.right: parent.right
                spacing: 8
                SkinButton {
                    objectName: "askApply"
                    label: Scene.sceneTexts.askApply
                    onClicked: dialog.answer(dialog.answerApply)
                }
                SkinButton {
                    objectName: "askDiscard"
                    label: Scene.sceneTexts.askDiscard
                    onClicked: dialog.answer(dialog.answerDiscard)
                }
                SkinButton {
                    objectName: "askCancel"
                    label: Scene.sceneTexts.askCancel
                    onClicked: dialog.answer(dialog.answerCancel)
                }
            }
        }
    }
}
