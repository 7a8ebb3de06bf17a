import QtQuick
import QtTest
import "qrc:/modules/qml/common"
import "qrc:/modules/qml/Z9"
import "qrc:/modules/qml/Z9/KeyLayout_Z9.js" as KeyLayout

// The preview's formulas and key paths, on a small keyboard of two rows of five keys.
SceneGlobals {
    id: globals

    KeyCodeString {
        id: _KeyCodeString
    }
    Binding { target: Scene; property: "keyCodeString"; value: _KeyCodeString }

    Effect_Controler_Z9 {
        id: ctrl
        model: keyboard
        keyCodes: _KeyCodeString
        palette: [[255, 0, 0], [255, 255, 0], [0, 255, 0], [0, 255, 255], [0, 0, 255], [255, 0, 255], [255, 255, 255]]
        Model_Color_Z9 {
            id: keyboard
            controller: ctrl
        }
    }

    Component {
        id: keyCapComponent
        KeyCap {}
    }

    // The lighting picture as each key's own label drew it: caps with their labels in given colours.
    Component {
        id: labelledCapsComponent
        Item {
            property alias caps: caps.model
            Repeater {
                id: caps
                KeyCap {
                    required property var modelData
                    x: modelData.x
                    y: modelData.y
                    keyType: modelData.keyType
                    label: modelData.name
                    labelColor: modelData.color
                    opaqueFace: true
                }
            }
        }
    }

    SceneTestCase {
        name: "LightingPreview"

        // Matrix positions 0, 30, 60, 90, 120 on top (columns 0, 5, 10, 15, 20 of six positions
        // each), 1, 31, 61, 91, 121 below; key k sends usage id 0x04 + k.
        readonly property var hwDef: {
            const rows = []
            for (let r = 0; r < 2; ++r) {
                for (let c = 0; c < 5; ++c) {
                    const k = 5 * r + c
                    rows.push(["1", String(31 * c), String(39 * r), "1", "K" + k, String(30 * c + r),
                               (0x04 + k).toString(16) + "00"])
                }
            }
            return [10, 126, rows]
        }

        function initTestCase() {
            _KeyCodeString.initUI(true, hwDef)
            keyboard.initUI(hwDef)
            ctrl.init()
        }

        function init() {
            ctrl.active = false
            ctrl.brightnessLV = 7
            ctrl.speedLV = 4
            ctrl.directLV = 1
            ctrl.colorIndex = 0
        }

        function keyAt(matrix) {
            return keyboard.keys_matrix[matrix]
        }

        function ticks(n) {
            for (let i = 0; i < n; ++i)
                ctrl.tick()
        }

        function test_brightnessSetsTheEffectAlpha_data() {
            const rows = []
            for (const [effect, name] of [[0x01, "static"], [0x03, "wave"], [0x04, "twinkle"], [0x08, "neon"],
                                          [0x33, "picture"]]) {
                rows.push({ tag: name + " at 0", effect: effect, brightness: 0, alpha: 0 })
                rows.push({ tag: name + " at 7", effect: effect, brightness: 7, alpha: 255 })
            }
            rows.push({ tag: "raining at 0", effect: 0x0A, brightness: 0, alpha: 0 })
            rows.push({ tag: "raining at 7", effect: 0x0A, brightness: 7, alpha: 255 })
            return rows
        }

        function test_brightnessSetsTheEffectAlpha(data) {
            ctrl.brightnessLV = data.brightness
            ctrl.play(data.effect)
            if (data.effect === 0x0A) {
                // Every key takes a raindrop sooner or later.
                ticks(200)
                keyboard.keys_kId.forEach(k => verify(k._Alpha <= data.alpha))
                verify(keyboard.keys_kId.some(k => ctrl.keyRGBA(k)[3] === data.alpha))
            } else {
                compare(ctrl.keyRGBA(keyAt(0))[3], data.alpha)
            }
            compare(ctrl.bind_A, data.alpha)
        }

        function test_breathingAlpha_data() {
            return [
                { tag: "count 50 at 7", count: 50, brightness: 7, alpha: 250 },
                { tag: "count 101 at 7", count: 101, brightness: 7, alpha: 5 },
                { tag: "count 50 at 3", count: 50, brightness: 3, alpha: 250 * 3 / 7 },
                { tag: "count 101 at 3", count: 101, brightness: 3, alpha: 5 * 3 / 7 },
                { tag: "count 51 turns", count: 51, brightness: 7, alpha: 255 },
            ]
        }

        function test_breathingAlpha(data) {
            ctrl.brightnessLV = data.brightness
            ctrl.play(0x02)
            ticks(data.count)
            compare(ctrl.count, data.count)
            fuzzyCompare(ctrl.keyRGBA(keyAt(30))[3], data.alpha, 1e-9)
        }

        function test_loopBreathingChangesColourOncePerBreath() {
            ctrl.colorIndex = 7
            ctrl.play(0x02)
            const colours = []
            for (let frame = 0; frame < 3 * 102; ++frame) {
                const rgb = ctrl.keyRGBA(keyAt(0)).slice(0, 3)
                if (colours.length === 0 || String(colours[colours.length - 1]) !== String(rgb))
                    colours.push(rgb)
                ctrl.tick()
            }
            compare(colours, [[255, 0, 0], [255, 255, 0], [0, 255, 0]])
            compare(ctrl.loopIndex, 3)
        }

        function test_neon_data() {
            return [
                { tag: "0", count: 0, rgb: [255, 0, 0] },
                { tag: "85", count: 85, rgb: [0, 0, 255] },
                { tag: "170", count: 170, rgb: [0, 255, 0] },
                { tag: "254", count: 254, rgb: [252, 3, 0] },
            ]
        }

        function test_neon(data) {
            ctrl.play(0x08)
            ticks(data.count)
            compare(ctrl.keyRGBA(keyAt(61)).slice(0, 3), data.rgb)
        }

        function test_fourthRipplePressMovesTheFirstRipple() {
            ctrl.play(0x06)
            for (const k of [0, 1, 2])
                ctrl.detectKeyboard(true, 0x04 + k)
            ticks(2)
            compare(ctrl.circles[0].radius, 30)
            ctrl.detectKeyboard(true, 0x04 + 7)
            const pressed = keyboard.keys_kId[7]
            compare([ctrl.circles[0].x, ctrl.circles[0].y, ctrl.circles[0].radius],
                    [pressed.centerX, pressed.centerY, 0])
            compare(ctrl.circles[1].x, keyboard.keys_kId[1].centerX)
            compare(ctrl.loopCircleIndex, 1)
        }

        function test_rippleLightsTheRingAndFades() {
            ctrl.play(0x06)
            ctrl.detectKeyboard(true, 0x04)
            ctrl.detectKeyboard(false, 0x05)
            compare(ctrl.circles[1].enabled, false, "releases start no ripple")
            ctrl.tick()
            // The pressed key lies on the ring of radius 0; its neighbour 31 away does not yet.
            compare(keyboard.keys_kId[0]._Alpha, 255)
            compare(keyboard.keys_kId[1]._Alpha, 0)
            ticks(3)
            compare(keyboard.keys_kId[1]._Alpha, 255, "radius 45 reaches the neighbour 31 away")
            compare(keyboard.keys_kId[0]._Alpha, 255 - 2 * 26, "lit again at radius 15, then faded twice")
        }

        function test_unknownKeyIdChangesNothing_data() {
            return [{ tag: "ripple", effect: 0x06 }, { tag: "induction brighten", effect: 0x07 }]
        }

        function test_unknownKeyIdChangesNothing(data) {
            ctrl.play(data.effect)
            const circles = JSON.stringify(ctrl.circles)
            const state = JSON.stringify(keyboard.keys_kId.map(k => [k._R, k._G, k._B, k._Alpha]))
            ctrl.detectKeyboard(true, 0x99)
            ctrl.detectKeyboard(true, 0x04 + 10)
            compare(JSON.stringify(ctrl.circles), circles)
            compare(JSON.stringify(keyboard.keys_kId.map(k => [k._R, k._G, k._B, k._Alpha])), state)
            compare(ctrl.loopCircleIndex, 0)
        }

        function test_inductionBrightenRisesFromAPress() {
            ctrl.colorIndex = 4
            ctrl.play(0x07)
            ctrl.detectKeyboard(true, 0x04 + 6)
            const pressed = keyboard.keys_kId[6]
            compare([pressed._R, pressed._G, pressed._B, pressed._Alpha], [0, 0, 255, 1])
            ctrl.tick()
            compare(pressed._Alpha, 1 + 9)
            ticks(30)
            compare(pressed._Alpha, 0, "back to dark once it reached full brightness")
        }

        function test_spotlightBandsMeetInTheMiddle_data() {
            return [
                { tag: "count 0", count: 0, columns: [0, 20] },
                { tag: "count 5", count: 5, columns: [5, 15] },
                { tag: "count 10", count: 10, columns: [10] },
            ]
        }

        function test_spotlightBandsMeetInTheMiddle(data) {
            ctrl.play(0x0C)
            ticks(data.count + 1)
            const lit = keyboard.keys_kId.filter(k => k._Alpha === ctrl.bind_A).map(k => Math.floor(k.matrix / 6))
            compare([...new Set(lit)].sort((a, b) => a - b), data.columns)
        }

        function test_marqueePathVisitsEveryKeyOnceRowByRow() {
            compare(ctrl.script_05, [0, 30, 60, 90, 120, 121, 91, 61, 31, 1])
            compare(ctrl.script_09, ctrl.script_05)
        }

        function test_marqueeLightsAlongThePath() {
            ctrl.play(0x05)
            ticks(3)
            compare(keyboard.keys_matrix[60]._Alpha, 255)
            compare(keyboard.keys_matrix[30]._Alpha, 255 - 13)
            compare(keyboard.keys_matrix[0]._Alpha, 255 - 2 * 13)
            compare(keyboard.keys_matrix[90]._Alpha, 0)
        }

        function test_circularMarqueeSpiralsInAndBack() {
            const inward = [0, 30, 60, 90, 120, 121, 91, 61, 31, 1]
            compare(ctrl.script_0B, inward.concat(inward.slice().reverse()))
        }

        function test_waveStartsFromItsPicture_data() {
            return [
                { tag: "right: horizontal", direction: 1, script: "script_03_A" },
                { tag: "left: horizontal", direction: 2, script: "script_03_A" },
                { tag: "up: vertical", direction: 3, script: "script_03_B" },
                { tag: "down: vertical", direction: 4, script: "script_03_B" },
            ]
        }

        function test_waveStartsFromItsPicture(data) {
            ctrl.directLV = data.direction
            ctrl.play(0x03)
            const picture = ctrl[data.script]
            for (const k of keyboard.keys_kId)
                compare([k._R, k._G, k._B], picture.slice(3 * k.matrix, 3 * k.matrix + 3), k.name)
        }

        function test_wavePictures() {
            // Width 153: thirds at 51 and 102; height 68: halves at 34.
            compare(ctrl.script_03_A.slice(0, 3), [Math.floor(255 * (51 - 14.5) / 51), Math.floor(255 * 14.5 / 51), 0])
            compare(ctrl.script_03_A.slice(3 * 60, 3 * 60 + 3), [0, Math.floor(255 * (102 - 76.5) / 51),
                                                                  Math.floor(255 * (76.5 - 51) / 51)])
            compare(ctrl.script_03_A.slice(3 * 120, 3 * 120 + 3), [Math.floor(255 * (138.5 - 102) / 51), 0,
                                                                    Math.floor(255 * (153 - 138.5) / 51)])
            compare(ctrl.script_03_B.slice(3 * 1, 3 * 1 + 3), [Math.floor(255 * (53.5 - 34) / 34), 0,
                                                                Math.floor(255 * (68 - 53.5) / 34)])
            compare(ctrl.script_03_B.slice(0, 3), [0, Math.floor(255 * (34 - 14.5) / 34), Math.floor(255 * 14.5 / 34)])
        }

        function test_waveStep_data() {
            return [
                { tag: "red to blue", direction: 1, from: [255, 0, 0], to: [239, 0, 16] },
                { tag: "blue to green", direction: 1, from: [0, 0, 255], to: [0, 16, 239] },
                { tag: "green to red", direction: 4, from: [0, 255, 0], to: [16, 239, 0] },
                { tag: "red to green", direction: 2, from: [255, 0, 0], to: [239, 16, 0] },
                { tag: "green to blue", direction: 3, from: [0, 255, 0], to: [0, 239, 16] },
                { tag: "clamped", direction: 1, from: [10, 0, 250], to: [0, 0, 255] },
            ]
        }

        function test_waveStep(data) {
            ctrl.directLV = data.direction
            ctrl.play(0x03)
            const k = keyAt(0)
            k.setRGB(data.from)
            ctrl.tick()
            compare([k._R, k._G, k._B], data.to)
        }

        // Each frame shows the step of the frame count before it: slot, then four fifths blended
        // towards the next slot, from white back to red, and again after 35 frames.
        function test_twinkleBlendsToTheNextSlot_data() {
            return [
                { tag: "red, first frame", slot: 0, frames: 1, rgb: [255, 0, 0] },
                { tag: "red to yellow, two fifths", slot: 0, frames: 3, rgb: [255, 102, 0] },
                { tag: "cyan to blue, three fifths", slot: 3, frames: 4, rgb: [0, 102, 255] },
                { tag: "white to red, four fifths", slot: 6, frames: 5, rgb: [255, 51, 51] },
                { tag: "white's next slot", slot: 6, frames: 6, rgb: [255, 0, 0] },
                { tag: "again after 35 frames", slot: 2, frames: 36, rgb: [0, 255, 0] },
            ]
        }

        function test_twinkleBlendsToTheNextSlot(data) {
            ctrl.play(0x04)
            const k = keyAt(90)
            k.curClrId = data.slot
            ticks(data.frames)
            compare([k._R, k._G, k._B], data.rgb)
        }

        // The key at (0, 0) lies at 283 degrees around (346.5, 96): clockwise the quarter reaches
        // it for counts 11 to 15, the other way round for counts 5 to 9.
        function test_rotationLightsAQuarterAroundTheCentre_data() {
            return [
                { tag: "no direction", direction: 0, count: 11, lit: false },
                { tag: "clockwise at 10", direction: 1, count: 10, lit: false },
                { tag: "clockwise at 11", direction: 1, count: 11, lit: true },
                { tag: "up as clockwise", direction: 3, count: 15, lit: true },
                { tag: "counter-clockwise at 11", direction: 2, count: 11, lit: false },
                { tag: "counter-clockwise at 7", direction: 4, count: 7, lit: true },
            ]
        }

        function test_rotationLightsAQuarterAroundTheCentre(data) {
            ctrl.directLV = data.direction
            ctrl.play(0x0D)
            const k = keyAt(0)
            compare(k.angle, 283)
            ticks(data.count + 1)
            compare(k._Alpha === ctrl.bind_A, data.lit)
        }

        function test_keyLookupFindsEdgesAndGaps_data() {
            return [
                { tag: "top left corner", x: 0, y: 0, matrix: 0 },
                { tag: "right edge", x: 29, y: 10, matrix: 0 },
                { tag: "gap", x: 30, y: 10, matrix: -1 },
                { tag: "bottom row", x: 70, y: 60, matrix: 61 },
                { tag: "outside", x: 500, y: 10, matrix: -1 },
            ]
        }

        function test_keyLookupFindsEdgesAndGaps(data) {
            const k = keyboard.keys_xy(data.x, data.y)
            compare(k ? k.matrix : -1, data.matrix)
        }

        function test_intervalZeroFollowsTheDisplayOnlyWhileActive() {
            ctrl.speedLV = 0
            ctrl.play(0x08)
            compare(ctrl.frameTimer.running, false)
            wait(100)
            compare(ctrl.count, 0, "inactive: nothing runs")
            ctrl.active = true
            tryVerify(() => ctrl.count > 3, 1000)
            ctrl.active = false
            const stopped = ctrl.count
            wait(100)
            compare(ctrl.count, stopped)
        }

        // The colour a label shows: the key's colour with the faint white label (alpha 0.10) over it.
        function shownColor(rgba) {
            const white = 0.10
            const alpha = Math.max(0, Math.min(255, rgba[3])) / 255
            const shown = white + (1 - white) * alpha
            const k = (1 - white) * alpha / 255
            return Qt.rgba((white + k * rgba[0]) / shown, (white + k * rgba[1]) / shown, (white + k * rgba[2]) / shown,
                           shown)
        }

        // Labels are set only where their colour changes: after every effect, step and new
        // keyboard, each still shows its key's colour with the faint white label over it.
        function test_labelsShowTheKeyColours() {
            failOnWarning(/Error/)
            // A label keeps its colour in bytes, as it is drawn.
            const expectShown = what => {
                ctrl.refresh()
                keyboard.keys_kId.forEach((key, i) => compare(String(keyboard.labelLayer.colorAt(i)),
                                                              String(shownColor(ctrl.keyRGBA(key))),
                                                              what + ", " + key.name))
            }
            ctrl.pic_01 = Array.from({ "length": 512 }, (_, i) => (7 * i) % 256)
            for (const effect of [0x04, 0x03, 0x02, 0x01, 0x08, 0x05, 0x33, 0x34, -1, 0x01]) {
                ctrl.play(effect)
                expectShown("effect " + effect)
                ticks(3)
                expectShown("effect " + effect + " after 3 frames")
            }
            ctrl.brightnessLV = 3
            expectShown("brightness 3")
            keyboard.initUI(hwDef)
            ctrl.init()
            ctrl.play(0x01)
            expectShown("keyboard built anew")
        }

        // The picture drawn on a few frames looks, pixel for pixel, as the caps with their own
        // labels in the colours the controller computed.
        function test_labelsAreDrawnInTheComputedColours_data() {
            return [
                { tag: "wave", effect: 0x03 },
                { tag: "neon", effect: 0x08 },
                { tag: "painted picture", effect: 0x33 },
            ]
        }

        function test_labelsAreDrawnInTheComputedColours(data) {
            ctrl.pic_01 = Array.from({ "length": 512 }, (_, i) => (37 * i) % 256)
            ctrl.play(data.effect)
            for (let frame = 0; frame < 3; ++frame) {
                ticks(frame === 0 ? 0 : 5)
                ctrl.refresh()
                const caps = keyboard.keys_kId.map(key => ({
                    "x": key.x, "y": key.y, "keyType": key.keyType, "name": key.name,
                    "color": shownColor(ctrl.keyRGBA(key))
                }))
                const expected = createTemporaryObject(labelledCapsComponent, globals,
                                                       { "y": 400, "width": keyboard.width, "height": keyboard.height })
                expected.caps = caps
                for (let i = 0; i < caps.length; ++i)
                    tryCompare(findChild(expected.children[i], "keyFace"), "status", Image.Ready)
                waitForRendering(expected)
                waitForRendering(keyboard)
                verify(grabImage(keyboard).equals(grabImage(expected)), "frame " + frame)
                expected.destroy()
            }
        }

        // A cap drawn as its edge and its opaque middle looks as the whole cap does, also when it
        // is drawn translucent.
        function test_capInPiecesLooksTheSame_data() {
            const rows = []
            for (const type of new Set(KeyLayout.keys.map(k => k.keyType).filter(t => t > 0))) {
                rows.push({ tag: "type " + type, keyType: type, opacity: 1 })
                rows.push({ tag: "type " + type + " at half opacity", keyType: type, opacity: 0.5 })
            }
            return rows
        }

        function test_capInPiecesLooksTheSame(data) {
            const properties = { "keyType": data.keyType, "opacity": data.opacity, "y": 300 }
            const whole = createTemporaryObject(keyCapComponent, globals, properties)
            const pieces = createTemporaryObject(keyCapComponent, globals,
                                                 Object.assign({ "x": 300, "opaqueFace": true }, properties))
            const face = findChild(pieces, "keyFace")
            tryCompare(face, "status", Image.Ready)
            tryCompare(findChild(pieces, "keyEdge"), "status", Image.Ready)
            compare([face.x, face.y, face.width, face.height], [1, 1, whole.width - 2, whole.height - 2])
            waitForRendering(pieces)
            verify(grabImage(pieces).equals(grabImage(whole)))
        }

        function test_timerFollowsTheSpeed() {
            ctrl.speedLV = 1
            ctrl.play(0x05)
            ctrl.active = true
            const timer = ctrl.frameTimer
            verify(timer.running)
            compare(timer.interval, 56)
            ctrl.speedLV = 7
            compare(timer.interval, 184)
            ctrl.play(0x01)
            verify(!timer.running)
        }
    }
}
