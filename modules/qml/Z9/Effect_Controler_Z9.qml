import QtQuick
import "key_paths.js" as KeyPaths
import "lighting.js" as Lighting

// The live preview of the key lighting: runs the chosen effect on the keys of the picture,
// from the page's settings and the keys the user presses. The keyboard is not involved.
Item {
    id: ctrl
    width: 693
    height: 192

    // The keyboard picture (Model_Color_Z9) whose keys show the effect.
    property var model: null
    // The key code tables that turn a key press into a matrix position.
    property var keyCodes: null
    // False while nobody can see the preview (page hidden, window minimised): nothing runs then.
    property bool active: true

    // Inputs from the page.
    property int speedLV: 4
    property int brightnessLV: 7
    property int directLV: 1
    property int colorIndex: 6
    property var palette: factoryPalette
    property var pic_01: []
    property var pic_02: []
    property var pic_03: []
    property var pic_04: []
    property var pic_05: []

    // The effect that play() started.
    property int effect: -1
    property int count: 0
    property int loopIndex: 0
    property int loopCircleIndex: 0
    property var circles: []
    property var script_03_A: []
    property var script_03_B: []
    property var script_05: []
    property var script_09: []
    property var script_0B: []
    property var totalColor: []
    property var twinkleColors: []
    // The same colours packed as 0xRRGGBB.
    property var twinklePacked: []

    readonly property var factoryPalette: Lighting.factoryPalette

    // Derived values that every key uses.
    readonly property int bind_A: brightnessLV === 0 ? 0 : 45 + Math.round(210 * brightnessLV / 7)
    readonly property bool isLOOP: colorIndex < 0 || colorIndex > 6
    readonly property var selectedColor: palette[((colorIndex % 7) + 7) % 7]
    readonly property var loopColor: palette[loopIndex]
    readonly property var litColor: isLOOP ? loopColor : selectedColor
    readonly property var currentPicture: effect >= 0x33 && effect <= 0x37 ? getPic(effect - 0x32) : []

    signal pictureChged(var picture)
    signal curClrIdChged(var picture)
    signal tmrTrigged

    // Milliseconds between frames for speedLV 0 … 7; 0 means every displayed frame.
    readonly property var intervals: ({
        0x02: [0, 16, 48, 64, 96, 112, 144, 160],
        0x03: [0, 7, 21, 28, 42, 49, 63, 70],
        0x04: [0, 15, 30, 45, 60, 75, 90, 105],
        0x05: [0, 56, 84, 98, 128, 142, 170, 184],
        0x06: [0, 10, 20, 25, 35, 40, 50, 55],
        0x07: [0, 22, 66, 88, 132, 154, 198, 220],
        0x08: [0, 24, 48, 60, 84, 96, 120, 132],
        0x09: [0, 56, 84, 98, 128, 142, 170, 184],
        0x0A: [0, 30, 40, 50, 60, 70, 80, 90],
        0x0B: [0, 26, 34, 38, 46, 50, 58, 62],
        0x0C: [0, 30, 34, 36, 40, 42, 46, 48],
        0x0D: [0, 24, 30, 33, 39, 42, 48, 51]
    })
    property bool isAnimated: false
    readonly property int frameInterval: isAnimated && intervals[effect] ? intervals[effect][speedLV] : -1
    readonly property bool isRunning: isAnimated && active

    function getPic(n) {
        return [pic_01, pic_02, pic_03, pic_04, pic_05][n - 1]
    }

    function advanceLoop() {
        loopIndex = (loopIndex + 1) % 7
    }

    function rgba(rgb, alpha) {
        return [rgb[0], rgb[1], rgb[2], alpha]
    }

    // Red, green, blue and alpha (each 0 … 255) of a key's label at this moment.
    function keyRGBA(key) {
        switch (effect) {
        case 0x01:
            return rgba(litColor, bind_A)
        case 0x02:
            return rgba(litColor, (count < 51 ? count : 102 - count) * 5 * brightnessLV / 7)
        case 0x03:
        case 0x04:
            return [key._R, key._G, key._B, bind_A]
        case 0x05:
        case 0x06:
        case 0x07:
        case 0x09:
        case 0x0A:
        case 0x0B:
        case 0x0C:
        case 0x0D:
            return [key._R, key._G, key._B, key._Alpha]
        case 0x08:
            return rgba(neonColor(count), bind_A)
        case 0x33:
        case 0x34:
        case 0x35:
        case 0x36:
        case 0x37: {
            // Black where the picture has no value for the key (none stored, no matrix position).
            const m = 4 * key.matrix
            return [currentPicture[m + 1] || 0, currentPicture[m + 2] || 0, currentPicture[m + 3] || 0, bind_A]
        }
        default:
            return [0, 0, 0, 0]
        }
    }

    // Whether every key shows the same colour in the effect.
    function isUniform() {
        const perKey = effect >= 0x03 && effect <= 0x0D || effect >= 0x33 && effect <= 0x37
        return effect === 0x01 || effect === 0x02 || effect === 0x08 || !perKey
    }

    // Key colours are worked out at most once per displayed frame, and only after a change.
    property bool colorsDirty: false
    // The colours (0xRRGGBB, in key order) that the last step of the wave or the twinkle gave the
    // keys, so that the frame need not read them back from every key; null once anything else may
    // have changed a key's colour.
    property var stepColors: null

    function invalidate() {
        stepColors = null
        colorsDirty = true
        // Qt 6.4's type description lists Qt.callLater as a property, so the lint cannot tell it is
        // a method.
        if (!frameDriver.running)
            Qt.callLater(refresh) // qmllint disable type
    }

    // Per-key colours go to the label layer packed, one number per key: they are whole bytes.
    function packedColor(rgba) {
        const alpha = Math.max(0, Math.min(255, rgba[3]))
        return (alpha << 24) | (rgba[0] << 16) | (rgba[1] << 8) | rgba[2]
    }

    // The keys' colours, to the label layer in one call.
    function refresh() {
        if (!colorsDirty)
            return
        colorsDirty = false
        const layer = model ? model.labelLayer : null
        if (!layer)
            return
        if (isUniform()) {
            const rgba = keyRGBA(null)
            layer.setUniformColor(rgba[0], rgba[1], rgba[2], rgba[3])
            return
        }
        const keys = model.keys_kId
        const packed = new Array(keys.length)
        const stepped = stepColors
        if (stepped !== null && stepped.length === keys.length) {
            const alpha = packedColor([0, 0, 0, bind_A])
            for (let i = 0; i < keys.length; ++i)
                packed[i] = alpha | stepped[i]
        } else {
            for (let i = 0; i < keys.length; ++i)
                packed[i] = packedColor(keyRGBA(keys[i]))
        }
        layer.setColors(packed)
    }

    onBind_AChanged: invalidate()
    onBrightnessLVChanged: invalidate()
    onColorIndexChanged: invalidate()
    onPaletteChanged: invalidate()
    onLoopIndexChanged: invalidate()
    onCurrentPictureChanged: invalidate()

    function neonColor(k) {
        if (k < 85)
            return [(85 - k) * 3, 0, k * 3]
        if (k < 170)
            return [0, (k - 85) * 3, (170 - k) * 3]
        return [(k - 170) * 3, (255 - k) * 3, 0]
    }

    function eachMatrixEntry(action) {
        const entries = model ? model.keys_matrix : []
        for (let m = 0; m < entries.length; ++m)
            action(entries[m])
    }

    function darkenAll() {
        eachMatrixEntry(entry => entry._Alpha = 0)
    }

    function resetCircles() {
        circles = Array.from({ "length": 3 }, () => ({ "enabled": false, "x": 0, "y": 0, "radius": 0 }))
        loopCircleIndex = 0
    }

    // Stops the running effect and starts the given one.
    function play(newEffect) {
        isAnimated = false
        effect = newEffect
        invalidate()
        switch (newEffect) {
        case 0x02:
        case 0x05:
        case 0x09:
        case 0x0B:
        case 0x0C:
        case 0x0D:
            loopIndex = 0
            count = 0
            if (newEffect !== 0x02)
                darkenAll()
            break
        case 0x03:
            pictureChged(directLV === 3 || directLV === 4 ? script_03_B : script_03_A)
            break
        case 0x04:
            count = 0
            startTwinkle()
            break
        case 0x06:
            loopIndex = 0
            count = 0
            resetCircles()
            darkenAll()
            break
        case 0x07:
        case 0x0A:
            loopIndex = 0
            darkenAll()
            break
        case 0x08:
            count = 0
            break
        default:
            loopIndex = 0
            count = 0
            return
        }
        isAnimated = true
    }

    function startTwinkle() {
        const slots = []
        const entries = model ? model.keys_matrix : []
        for (let m = 0; m < entries.length; ++m)
            slots.push(Math.floor(Math.random() * 7))
        totalColor = [].concat(...palette)
        twinkleColors = Lighting.twinkleColors(totalColor)
        twinklePacked = twinkleColors.map(rgb => (rgb[0] << 16) | (rgb[1] << 8) | rgb[2])
        curClrIdChged(slots)
    }

    // The per-key steps of the wave and the twinkle run here, in one loop over the keys with
    // no signal, call or list per key: both recolour every key on every displayed frame.
    function waveStep() {
        const keys = model ? model.keys_kId : []
        const reverse = directLV === 2 || directLV === 3
        const stepped = new Array(keys.length)
        for (let i = 0; i < keys.length; ++i) {
            const key = keys[i]
            const rgb = Lighting.waveStep(key._R, key._G, key._B, reverse)
            key._R = rgb >> 16
            key._G = (rgb >> 8) & 255
            key._B = rgb & 255
            stepped[i] = rgb
        }
        stepColors = stepped
    }

    // Each key blends from its palette slot to the next one in five steps.
    function twinkleStep() {
        const keys = model ? model.keys_kId : []
        const colors = twinkleColors
        const packed = twinklePacked
        const stepped = new Array(keys.length)
        for (let i = 0; i < keys.length; ++i) {
            const key = keys[i]
            const step = (5 * key.curClrId + count) % 35
            const rgb = colors[step]
            key._R = rgb[0]
            key._G = rgb[1]
            key._B = rgb[2]
            stepped[i] = packed[step]
        }
        stepColors = stepped
    }

    function stepCount(length) {
        if (length <= 0)
            return
        count = (count + 1) % length
        if (count === 0 && isLOOP)
            advanceLoop()
    }

    function growCircles() {
        circles = circles.map(circle => {
            if (!circle.enabled)
                return circle
            const radius = circle.radius + 15
            return radius > 700 ? { "enabled": false, "x": 0, "y": 0, "radius": 0 }
                                : { "enabled": true, "x": circle.x, "y": circle.y, "radius": radius }
        })
    }

    function raindrop() {
        const keys = model ? model.keys_kId : []
        if (keys.length === 0)
            return
        const key = keys[Math.floor(Math.random() * keys.length)]
        key.setRGB(litColor)
        if (isLOOP)
            advanceLoop()
        key._Alpha = bind_A
    }

    // One frame of the running effect.
    function tick() {
        invalidate()
        switch (effect) {
        case 0x02:
            stepCount(102)
            break
        case 0x03:
            waveStep()
            break
        case 0x04:
            twinkleStep()
            count = (count + 1) % 35
            break
        case 0x07:
            tmrTrigged()
            break
        case 0x05:
            tmrTrigged()
            stepCount(110)
            break
        case 0x06:
            tmrTrigged()
            growCircles()
            break
        case 0x08:
            count = (count + 1) % 255
            break
        case 0x09:
            tmrTrigged()
            count = (count + 1) % 110
            advanceLoop()
            break
        case 0x0A:
            tmrTrigged()
            raindrop()
            break
        case 0x0B:
            tmrTrigged()
            stepCount(script_0B.length)
            break
        case 0x0C:
            tmrTrigged()
            stepCount(21)
            break
        case 0x0D:
            tmrTrigged()
            stepCount(20)
            break
        }
    }

    // Key presses of the real keyboard light the reactive effects.
    function detectKeyboard(isDown, usbCode) {
        if (!isDown || !keyCodes || !model)
            return
        invalidate()
        const m = keyCodes.keycodeTomatrix(usbCode)
        const key = m === undefined ? null : model.keys_matrix[m]
        if (!key || key.matrix < 0)
            return
        if (effect === 0x06) {
            const next = circles.slice()
            next[loopCircleIndex] = { "enabled": true, "x": key.centerX, "y": key.centerY, "radius": 0 }
            circles = next
            loopCircleIndex = (loopCircleIndex + 1) % 3
        } else if (effect === 0x07) {
            key.setRGB(litColor)
            if (isLOOP)
                advanceLoop()
            key._Alpha = 1
        }
    }

    // Builds the key paths of the wave, the marquees and the circular marquee from the picture.
    function init() {
        script_03_A = KeyPaths.horizontalColors(model)
        script_03_B = KeyPaths.verticalColors(model)
        script_05 = KeyPaths.serpentine(model)
        script_09 = script_05
        script_0B = KeyPaths.spiral(model)
    }

    Component.onCompleted: resetCircles()

    property alias frameTimer: frameTimer
    Timer {
        id: frameTimer
        interval: Math.max(1, ctrl.frameInterval)
        repeat: true
        running: ctrl.isRunning && ctrl.frameInterval > 0
        onTriggered: ctrl.tick()
    }

    // Every displayed frame while an effect runs: an interval of 0 steps the effect, and the keys
    // take their new colours. Nothing runs while the effect stands still or nobody sees it.
    NumberAnimation on displayFrame {
        id: frameDriver
        from: 0
        to: 1
        duration: 1000
        loops: Animation.Infinite
        running: ctrl.isRunning
    }
    property real displayFrame
    onDisplayFrameChanged: {
        if (!frameDriver.running)
            return
        if (ctrl.frameInterval === 0)
            tick()
        refresh()
    }
}
