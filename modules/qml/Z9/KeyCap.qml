import QtQuick

// The picture of one key: its cap by key type, the frame drawn over it and its label. Both
// keyboard pictures of the Z9 pages draw their keys with it; key type 0 draws nothing.
Item {
    id: keyCap
    property int keyType: 0
    property string label: ""
    property color labelColor: globalSetting_color_enable
    // The frame shows only above 0.
    property real frameOpacity: 0

    width: cap.implicitWidth
    height: cap.implicitHeight
    visible: keyType > 0

    Image {
        id: cap
        source: keyCap.keyType > 0 ? "file:modules/img/skin" + skin_No + "/model_kb/k" + keyCap.keyType + "-0.png" : ""
    }

    Image {
        objectName: "keyFrame"
        source: keyCap.keyType > 0 ? "file:modules/img/skin" + skin_No + "/model_kb/k" + keyCap.keyType + "-1.png" : ""
        opacity: keyCap.frameOpacity
        visible: keyCap.frameOpacity > 0
    }

    Text {
        objectName: "keyLabel"
        anchors.centerIn: parent
        // The cap's top face sits a pixel above its middle: its skirt shows more at the bottom.
        anchors.verticalCenterOffset: -1
        text: keyCap.label
        font.family: "Arial"
        font.pixelSize: 11
        font.bold: true
        color: keyCap.labelColor
    }
}
