import QtQuick

// A worded button on the skin's slider plate, for the dialogs and panels laid over the scene.
Image {
    id: button
    property string label: ""
    signal clicked
    source: Scene.sourceSlider
    opacity: !enabled ? 0.4 : buttonMouse.pressed ? 0.6 : 1.0
    Text {
        anchors.centerIn: parent
        width: parent.width - 8
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        Accessible.ignored: true
        text: button.label
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: buttonMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
    }
    function click() {
        Scene.ui_View.playMedia_Index(4)
        button.clicked()
    }
    MouseArea {
        id: buttonMouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.click()
    }
    FocusTarget {
        name: button.label
        onActivated: button.click()
    }
}
