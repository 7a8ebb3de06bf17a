import QtQuick

// The mark of the control that holds the focus, in the skin's highlight colour with a dark rim, laid
// around its FocusTarget. A target makes its mark the first time it takes the focus.
Rectangle {
    id: mark
    // The control's FocusTarget, and how far the mark stands off its edge.
    required property Item target
    required property int offset

    objectName: "focusMark"
    anchors.fill: parent
    anchors.margins: -mark.offset
    visible: mark.target.activeFocus
    color: "transparent"
    radius: 2
    border.width: 2
    border.color: Scene.globalSetting_color
    Rectangle {
        anchors.fill: parent
        anchors.margins: -1
        color: "transparent"
        radius: 3
        border.width: 1
        border.color: "#A0000000"
    }
}
