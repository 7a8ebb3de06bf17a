import QtQuick
import "./basic"
import "./common"
import "./Z9"

Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false

    signal fwStateChanged(bool _fwState, string _ver)

    // Called by the native side (queued), in this order at start-up: initUI, then run.
    function initUI() {
    }

    function run() {
        mainIten.visible = true
    }

    function detectKeyboard(isDown, usbCode) {
    }

    function syncIsFwState(_fwState, _ver) {
        fwStateChanged(_fwState, _ver)
    }

    function detectMouse(isDown, brixCode, x, y) {
    }

    // Window drag: everything not covered by another mouse area moves the frameless window.
    MouseArea {
        id: dragRegion
        anchors.fill: parent
        hoverEnabled: true
        property real clickPosX: 0
        property real clickPosY: 0
        onPressed: function (mouse) {
            clickPosX = mouse.x
            clickPosY = mouse.y
        }
        onPositionChanged: function (mouse) {
            if (!pressed)
                return
            ui_Ctl.onXChanged(mouse.x - clickPosX)
            ui_Ctl.onYChanged(mouse.y - clickPosY)
        }
    }
}
