import QtQuick

// The small accent on a control whose page holds edits that have not been applied yet: a dot in
// the skin's highlight colour at the item's top right corner.
Rectangle {
    property bool shown: false

    objectName: "pendingMark"
    visible: shown
    width: 7
    height: 7
    radius: 3.5
    anchors.top: parent.top
    anchors.right: parent.right
    anchors.margins: 2
    color: Scene.globalSetting_color
    border.width: 1
    border.color: "#C0000000"
}
