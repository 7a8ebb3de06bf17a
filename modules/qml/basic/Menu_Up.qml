import QtQuick
import "../common"

// Top bar: the settings button on the left, the close button on the right.
Item {
    id: menuUp
    property bool isGlobalSettingSelect: false
    signal btnClicked(int btnIndex)

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
            MouseArea {
                id: settingMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    Scene.ui_View.playMedia_Index(2)
                    menuUp.btnClicked(0)
                }
            }
        }

        Button_2state {
            objectName: "closeButton"
            anchors.right: parent.right
            anchors.rightMargin: 5
            y: -3
            source0: Scene.sourceAM0
            source1: Scene.sourceAM1
            onClicked: menuUp.btnClicked(1)
        }
    }
}
