import QtQuick

// The header of a drop-down: the chosen entry's text, or the "options" placeholder, and an arrow.
Image {
    id: header
    // Text of the chosen entry; empty while nothing is chosen.
    property string currentText: ""
    property bool hasCurrent: false
    readonly property string shownText: hasCurrent ? currentText : "【 " + Scene.globalSetting_stringList[1] + " 】"
    signal clicked

    source: Scene.sourceSlider

    Text {
        objectName: "headerText"
        // The list's control reads it out.
        Accessible.ignored: true
        anchors.left: parent.left
        anchors.leftMargin: 10
        anchors.right: arrow.left
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: header.shownText
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: headerMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
    }

    Text {
        id: arrow
        Accessible.ignored: true
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: "▼"
        font.family: "Arial"
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: headerMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
    }

    MouseArea {
        id: headerMouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: header.clicked()
    }
}
