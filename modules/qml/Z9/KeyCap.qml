import QtQuick

// The picture of one key: its cap by key type, the frame drawn over it and its label. Both
// keyboard pictures of the Z9 pages draw their keys with it; key type 0 draws nothing.
Item {
    id: keyCap
    property int keyType: 0
    property string label: ""
    // Straight to the label: the lighting preview sets it on every frame.
    property alias labelColor: keyLabel.color
    // The frame shows only above 0.
    property real frameOpacity: 0

    width: cap.implicitWidth
    height: cap.implicitHeight
    visible: keyType > 0

    Image {
        id: cap
        visible: !keyCap.opaqueFace
        source: keyCap.keyType > 0 ? "file:modules/img/skin" + skin_No + "/model_kb/k" + keyCap.keyType + "-0.png" : ""
    }

    // The cap is opaque from one pixel inside its edge. Drawn as that face and the four edges
    // around it, each pixel once, it looks the same at any opacity, and the face, a picture
    // without transparency, tells the software renderer that nothing behind it shows: a label
    // recoloured on every frame of the lighting preview then repaints the face alone, not the
    // window's backgrounds beneath it.
    property bool opaqueFace: false

    function capPieces(w, h) {
        return [Qt.rect(1, 1, w - 2, h - 2), Qt.rect(0, 0, w, 1), Qt.rect(0, h - 1, w, 1), Qt.rect(0, 1, 1, h - 2),
                Qt.rect(w - 1, 1, 1, h - 2)]
    }

    Repeater {
        model: keyCap.opaqueFace && cap.status === Image.Ready ? keyCap.capPieces(cap.implicitWidth, cap.implicitHeight) : []
        Image {
            required property rect modelData
            required property int index
            objectName: index === 0 ? "keyFace" : "keyEdge"
            x: modelData.x
            y: modelData.y
            source: cap.source
            sourceClipRect: modelData
        }
    }

    Image {
        objectName: "keyFrame"
        source: keyCap.keyType > 0 ? "file:modules/img/skin" + skin_No + "/model_kb/k" + keyCap.keyType + "-1.png" : ""
        opacity: keyCap.frameOpacity
        visible: keyCap.frameOpacity > 0
    }

    Text {
        id: keyLabel
        objectName: "keyLabel"
        anchors.centerIn: parent
        // The cap's top face sits a pixel above its middle: its skirt shows more at the bottom.
        anchors.verticalCenterOffset: -1
        text: keyCap.label
        font.family: "Arial"
        font.pixelSize: 11
        font.bold: true
        color: globalSetting_color_enable
    }
}
