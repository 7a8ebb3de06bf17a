import QtQuick

// An image button with a normal and a hover picture; every click clicks audibly.
Image {
    id: button
    property url source0: ""
    property url source1: ""
    property alias mouse: mouseArea
    // What a screen reader calls the button.
    property alias accessibleName: focusTarget.name
    readonly property bool hasFocus: focusTarget.activeFocus
    // The key that clicks the button, while `clicked` runs; 0 for the mouse and a screen reader.
    readonly property alias activatingKey: focusTarget.activatingKey
    signal clicked

    function takeFocus() {
        focusTarget.forceActiveFocus()
    }

    function click() {
        Scene.ui_View.playMedia_Index(4)
        button.clicked()
    }

    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0
    source: !enabled ? source0 : (mouseArea.containsMouse ? source1 : source0)

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.click()
    }

    FocusTarget {
        id: focusTarget
        objectName: "focusTarget"
        onActivated: button.click()
    }
}
