import QtQuick
import "../common"

// The picture of one key: its cap by key type, the frame drawn over it and its label. Both
// keyboard pictures of the Z9 pages draw their keys with it; key type 0 draws nothing.
Item {
    id: keyCap
    property int keyType: 0
    property string label: ""
    // Straight to the label: the lighting preview sets it on every frame.
    property alias labelColor: keyLabel.color
    // The lighting picture draws its labels all in one item (KeyLabelLayer) and lays them out here.
    property alias labelShown: keyLabel.visible
    readonly property alias labelFont: keyLabel.font

    // Where the label's text starts in `item`.
    function labelOrigin(item) {
        return keyLabel.mapToItem(item, 0, 0)
    }
    // The frame shows only above 0.
    property real frameOpacity: 0
    // What the key does now when that is not its factory function: the label then shrinks to the
    // top left corner and the legend takes the middle; a legend not applied yet is marked.
    property string legend: ""
    property bool isLegendPending: false

    width: cap.implicitWidth
    height: cap.implicitHeight
    visible: keyType > 0

    function capPath() {
        return "modules/img/skin" + Scene.skin_No + "/model_kb/k" + keyType + "-0.png"
    }

    Image {
        id: cap
        visible: !keyCap.opaqueFace
        source: keyCap.keyType > 0 ? "file:" + keyCap.capPath() : ""
    }

    // The cap is opaque from one pixel inside its edge. Drawn as its edge and, apart, that
    // middle, each pixel once, it looks the same at any opacity, and the middle, a picture without
    // transparency, tells the software renderer that nothing behind it shows: a label recoloured
    // on every frame of the lighting preview then repaints the middle alone, not the window's
    // backgrounds beneath it.
    property bool opaqueFace: false

    Image {
        objectName: "keyEdge"
        visible: keyCap.opaqueFace
        source: keyCap.opaqueFace && keyCap.keyType > 0 ? "image://capedge/" + keyCap.capPath() : ""
    }

    Image {
        objectName: "keyFace"
        x: 1
        y: 1
        visible: keyCap.opaqueFace
        source: keyCap.opaqueFace && cap.status === Image.Ready ? cap.source : ""
        sourceClipRect: Qt.rect(1, 1, cap.implicitWidth - 2, cap.implicitHeight - 2)
    }

    Image {
        objectName: "keyFrame"
        source: keyCap.keyType > 0 ? "file:modules/img/skin" + Scene.skin_No + "/model_kb/k" + keyCap.keyType + "-1.png" : ""
        opacity: keyCap.frameOpacity
        visible: keyCap.frameOpacity > 0
    }

    Text {
        id: keyLabel
        objectName: "keyLabel"
        // The key item names itself for a screen reader.
        Accessible.ignored: true
        readonly property bool isSmall: keyCap.legend !== ""
        x: isSmall ? 4 : (keyCap.width - width) / 2
        // The cap's top face sits a pixel above its middle: its skirt shows more at the bottom.
        y: isSmall ? 2 : (keyCap.height - height) / 2 - 1
        text: keyCap.label
        font.family: "Arial"
        font.pixelSize: isSmall ? 7 : 11
        font.bold: true
        color: Scene.globalSetting_color_enable
    }

    Text {
        objectName: "keyLegend"
        Accessible.ignored: true
        visible: keyCap.legend !== ""
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 5
        width: keyCap.width - 4
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: keyCap.legend
        font.family: "Arial"
        font.pixelSize: 9
        font.bold: true
        font.italic: keyCap.isLegendPending
        color: keyLabel.color
    }

    PendingMark {
        objectName: "keyPendingMark"
        shown: keyCap.isLegendPending
        width: 5
        height: 5
        radius: 2.5
        anchors.margins: 3
    }
}
