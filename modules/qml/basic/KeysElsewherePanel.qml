import QtQuick
import "../common"

// Keys typed into other windows on a Wayland session: what the opt-in udev rule allows, whether
// it is in place, and the one command that puts it in place or removes it, ready to copy. It
// covers the window while it is open; Esc closes it.
Item {
    id: panel
    anchors.fill: parent
    visible: false

    // wayland, active, enable and remove, as the controller tells them.
    property var rule: ({ "active": false, "enable": "", "remove": "" })
    property Item focusBefore: null

    function open() {
        rule = Scene.ui_View.eventNodeRule()
        focusBefore = Window.activeFocusItem
        visible = true
        FocusChain.modalRoot = box
        box.forceActiveFocus()
    }

    function close() {
        visible = false
        FocusChain.modalRoot = null
        if (focusBefore)
            focusBefore.forceActiveFocus()
    }

    function copyCommand() {
        command.selectAll()
        command.copy()
        command.deselect()
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

    component PanelText: Text {
        width: parent.width
        wrapMode: Text.Wrap
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        color: Scene.globalSetting_color_enable
    }

    Rectangle {
        id: box
        objectName: "keysBox"
        anchors.centerIn: parent
        width: 640
        height: column.height + 32 + 38
        color: "#E8101418"
        border.width: 1
        border.color: Scene.globalSetting_color
        radius: 2
        focus: true
        Keys.onEscapePressed: panel.close()

        Column {
            id: column
            x: 16
            y: 16
            width: box.width - 32
            spacing: 10

            PanelText {
                text: Scene.sceneTexts.keysTitle
                font.bold: true
                font.pixelSize: Scene.globalSetting_size + 2
                color: Scene.globalSetting_color
            }
            Image {
                width: column.width
                source: Scene.sourceLine
                fillMode: Image.Stretch
            }
            PanelText {
                objectName: "keysWhat"
                text: Scene.sceneTexts.keysWhat
                color: "#FFFFD080"
            }
            PanelText {
                objectName: "keysState"
                font.bold: true
                text: panel.rule.active ? Scene.sceneTexts.keysActive : Scene.sceneTexts.keysInactive
            }
            Rectangle {
                width: column.width
                height: command.contentHeight + 12
                color: "#FF000000"
                border.width: 1
                border.color: "#40FFFFFF"
                TextEdit {
                    id: command
                    objectName: "keysCommand"
                    x: 6
                    y: 6
                    width: parent.width - 12
                    readOnly: true
                    selectByMouse: true
                    wrapMode: TextEdit.WrapAnywhere
                    font.family: "monospace"
                    font.pixelSize: Scene.globalSetting_size
                    color: Scene.globalSetting_color
                    selectionColor: "#80FFFFFF"
                    text: panel.rule.active ? panel.rule.remove : panel.rule.enable
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }

        Row {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 16
            spacing: 6
            SkinButton {
                objectName: "copyKeysCommand"
                label: Scene.sceneTexts.keysCopy
                onClicked: panel.copyCommand()
            }
            SkinButton {
                objectName: "closeKeys"
                label: Scene.sceneTexts.rulesClose
                onClicked: panel.close()
            }
        }
    }
}
