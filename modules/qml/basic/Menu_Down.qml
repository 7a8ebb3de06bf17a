import QtQuick
import "../common"

// Bottom bar: the device list and the connection indicator.
Item {
    id: menuDown
    property int img_Width: 21
    property int img_Height: 21
    property alias currentIndex: deviceList.currentIndex
    signal indexChanged_btn(int index1, int index2)

    width: container.width + 18
    height: container.height + 18

    Image {
        id: container
        anchors.centerIn: parent
        source: Scene.sourceListDnContainer

        ListView {
            id: deviceList
            x: 323
            y: 13
            width: 3 * menuDown.img_Width + 2 * 4
            height: menuDown.img_Height
            orientation: ListView.Horizontal
            interactive: false
            spacing: 4
            currentIndex: 0
            // This tool drives one device model only, so the list stays empty.
            model: ListModel {}
            delegate: Image {
                id: deviceIcon
                required property int index
                required property url sourceICON0
                required property url sourceICON1
                // Qt 6.4's lint cannot see this document's ids from a delegate;
                // the lines that use them say so.
                width: menuDown.img_Width // qmllint disable unqualified
                height: menuDown.img_Height // qmllint disable unqualified
                enabled: index === 0
                source: (ListView.isCurrentItem || iconMouse.containsMouse) ? sourceICON1 : sourceICON0
                MouseArea {
                    id: iconMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        const previous = deviceList.currentIndex
                        deviceList.currentIndex = deviceIcon.index
                        menuDown.indexChanged_btn(previous, deviceIcon.index)
                    }
                }
            }
        }
    }

    // Red until a keyboard reports in, then green with its firmware version; kept 10 pixels
    // inside the bar's right edge.
    Item {
        id: indicator
        objectName: "connectionState"
        property bool isConnected: false
        property string version: ""
        anchors.right: container.right
        anchors.rightMargin: 10
        width: light.width + 3 + stateText.width
        height: parent.height

        Rectangle {
            id: light
            objectName: "connectionLight"
            y: 15
            width: 10
            height: 5
            radius: 2
            color: "#FF0000"
        }

        Text {
            id: stateText
            objectName: "connectionText"
            anchors.left: light.right
            anchors.leftMargin: 3
            anchors.verticalCenter: light.verticalCenter
            text: "-----"
            Accessible.ignored: true
            font.family: "Consolas"
            font.pixelSize: 10
            color: Scene.globalSetting_color_enable
        }

        // The last stop of Tab: a screen reader reads the state where a user looks for it.
        FocusTarget {
            objectName: "focusTarget"
            role: Accessible.StatusBar
            name: indicator.isConnected ? Scene.sceneTexts.connected.trim() + " " + indicator.version.trim()
                                        : Scene.sceneTexts.notConnected
        }
    }

    // Whether a keyboard is connected, and its firmware version.
    function showFwState(_fwState, _ver) {
        indicator.isConnected = _fwState
        indicator.version = _ver
        light.color = _fwState ? "#00FF00" : "#FF0000"
        stateText.text = _fwState ? _ver : "-----"
    }
}
