import QtQuick

// A key of the lighting picture: its preview state, and its part of each effect's frame step.
Key_Color {
    id: key
    // The effect controller whose effect, colours and signals this key follows.
    property var ctrl: null

    property int _R: 255
    property int _G: 255
    property int _B: 255
    property int _Alpha: 255
    property int curClrId: 0
    // Selected by the last painted rectangle, and touching the one being drawn.
    property bool isSelect: false
    property bool isTouched: false

    readonly property real centerX: x + width / 2
    readonly property real centerY: y + height / 2
    // Where the key lies around the picture's centre, in whole degrees clockwise from up.
    readonly property int angle: ((Math.floor(Math.atan2(centerY - 96, centerX - 346.5) * 180 / Math.PI + 450) % 360)
                                  + 360) % 360

    showsFrame: isSelect || isTouched
    function setRGB(rgb) {
        _R = rgb[0]
        _G = rgb[1]
        _B = rgb[2]
    }

    function fade(d) {
        if (_Alpha !== 0)
            _Alpha = Math.max(_Alpha - Math.round(ctrl.bind_A / d), 0)
    }

    function light() {
        setRGB(ctrl.litColor)
        _Alpha = ctrl.bind_A
    }

    function rippleStep() {
        fade(10)
        for (const circle of ctrl.circles) {
            if (!circle.enabled)
                continue
            const dist = Math.sqrt(Math.pow(centerX - circle.x, 2) + Math.pow(centerY - circle.y, 2))
            if (circle.radius >= dist && dist >= Math.max(circle.radius - 15, 0)) {
                light()
                if (ctrl.isLOOP)
                    ctrl.advanceLoop()
            }
        }
    }

    function rotationStep() {
        fade(10)
        setRGB(ctrl.litColor)
        let turn
        if (ctrl.directLV === 1 || ctrl.directLV === 3)
            turn = ctrl.count * 18
        else if (ctrl.directLV === 2 || ctrl.directLV === 4)
            turn = (20 - ctrl.count) * 18
        else
            return
        if ((turn + 90 + 360 - angle) % 360 < 90)
            _Alpha = ctrl.bind_A
    }

    // One frame of the running effect.
    function frameStep() {
        switch (ctrl.effect) {
        case 0x05:
            fade(20)
            if (ctrl.script_05[ctrl.count] === matrix)
                light()
            break
        case 0x06:
            rippleStep()
            break
        case 0x07:
            if (_Alpha >= ctrl.bind_A)
                _Alpha = 0
            if (_Alpha !== 0)
                _Alpha += Math.round(ctrl.bind_A / 30)
            break
        case 0x09:
            fade(20)
            if (ctrl.script_09[ctrl.count] === matrix) {
                setRGB(ctrl.factoryPalette[ctrl.count % 7])
                _Alpha = ctrl.bind_A
            }
            break
        case 0x0A:
            fade(60)
            break
        case 0x0B:
            if (ctrl.script_0B[ctrl.count] === matrix) {
                setRGB(ctrl.litColor)
                _Alpha = _Alpha === 0 ? ctrl.bind_A : 0
            }
            break
        case 0x0C:
            fade(5)
            setRGB(ctrl.litColor)
            if (Math.floor(matrix / 6) === ctrl.count || Math.floor(matrix / 6) === 20 - ctrl.count)
                _Alpha = ctrl.bind_A
            break
        case 0x0D:
            rotationStep()
            break
        }
    }

    Connections {
        target: key.ctrl
        function onTmrTrigged() {
            key.frameStep()
        }
        function onPictureChged(picture) {
            key.setRGB([picture[3 * key.matrix], picture[3 * key.matrix + 1], picture[3 * key.matrix + 2]])
        }
        function onCurClrIdChged(picture) {
            key.curClrId = picture[key.matrix]
            const colors = key.ctrl.totalColor
            key.setRGB([colors[3 * key.curClrId], colors[3 * key.curClrId + 1], colors[3 * key.curClrId + 2]])
        }
    }
}
