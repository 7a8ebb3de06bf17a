import QtQuick

// An image button with a normal and a hover picture; every click clicks audibly.
Image {
    id: button
    property url source0: ""
    property url source1: ""
    property alias mouse: mouseArea
    signal clicked

    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0
    source: !enabled ? source0 : (mouseArea.containsMouse ? source1 : source0)

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            Scene.ui_View.playMedia_Index(4)
            button.clicked()
        }
    }
}
