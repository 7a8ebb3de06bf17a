import QtQuick
import "../common"

// Top bar: the settings button on the left, the close button on the right.
Item {
    id: menuUp
    property bool isGlobalSettingSelect: false
    signal btnClicked(int btnIndex)

    function focusSettingButton() {
        settingFocus.forceActiveFocus()
    }

    width: container.width + 16
    height: container.height + 16

    Image {
        id: container
        anchors.centerIn: parent
        source: Scene.sourceListUpContainer

        Image {
            id: settingButton
            objectName: "settingButton"
            x: 5
            y: -3
            source: (menuUp.isGlobalSettingSelect || settingMouse.containsMouse) ? Scene.sourceAS1 : Scene.sourceAS0
            function click() {
                Scene.ui_View.playMedia_Index(2)
                menuUp.btnClicked(0)
            }
            MouseArea {
                id: settingMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: settingButton.click()
            }
            FocusTarget {
                id: settingFocus
                objectName: "focusTarget"
                name: Scene.sceneTexts.settings
                checkable: true
                checked: menuUp.isGlobalSettingSelect
                onActivated: settingButton.click()
            }
        }

        Button_2state {
            objectName: "closeButton"
            anchors.right: parent.right
            anchors.rightMargin: 5
            y: -3
            source0: Scene.sourceAM0
            source1: Scene.sourceAM1
            accessibleName: Scene.sceneTexts.close
            onClicked: menuUp.btnClicked(1)
        }
    }
}
