import QtQuick
import QtTest
import "../scene"

// The lighting pages in the whole scene, on the real controller and a virtual keyboard: what
// reaches the keyboard and the profile file.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        name: "Lighting"

        property var scene: null
        property var colorPage: null
        property var backPage: null

        readonly property var factory: [[255, 0, 0], [255, 255, 0], [0, 255, 0], [0, 255, 255], [0, 0, 255],
            [255, 0, 255], [255, 255, 255]]

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            const pageArea = findChild(scene, "pageArea")
            tryCompare(pageArea, "visible", true)
            pageArea.showIndex(2)
            tryCompare(findChild(scene, "pages"), "x", 0)
            colorPage = devicePage(scene, 2, "_Page_Color")
            backPage = devicePage(scene, 3, "_Page_Backlight")
            verify(colorPage.visible)
            colorPage.reset()
            z9.clearRecord()
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        // The stored lighting of profile 0 as another run of the program would find it.
        function store(key, value) {
            z9.setProfileValue(0, key, value)
        }

        function hex2(value) {
            return (value < 16 ? "0" : "") + value.toString(16).toUpperCase()
        }

        // A command frame: report id 0, the seven bytes, and their complemented sum, in hex.
        function frame(bytes) {
            const sum = bytes.reduce((total, b) => total + b, 0)
            return "00" + bytes.map(hex2).join("") + hex2(~sum & 0xFF)
        }

        function colourFrames(palette) {
            return palette.map((rgb, i) => frame([0x14, 0, i, rgb[0], rgb[1], rgb[2], 0]))
        }

        // Every frame the host sent, in hex, in wire order.
        function sentFrames() {
            const byCode = {}
            return z9.frameCodes().map(code => {
                byCode[code] = (byCode[code] || 0) + 1
                return z9.frames(code)[byCode[code] - 1].map(hex2).join("")
            })
        }

        function key(name) {
            const found = findChild(colorPage, "_model").keys_kId.filter(k => k.name === name)
            compare(found.length, 1, name)
            return found[0]
        }

        // Drags over the picture from one point to another, in the keys' coordinates.
        function paint(x1, y1, x2, y2) {
            const area = findChild(colorPage, "paintMouse")
            const ctrl = findChild(colorPage, "_eft_Ctrl")
            mousePress(area, x1 + ctrl.x, y1 + ctrl.y)
            mouseMove(area, x2 + ctrl.x, y2 + ctrl.y)
            mouseRelease(area, x2 + ctrl.x, y2 + ctrl.y)
        }

        function choose(menu, entry) {
            colorPage.selectEffect(menu, entry)
            colorPage.preview()
        }

        function clickItem(page, name) {
            const item = findChild(page, name)
            mouseClick(item, item.width / 2, item.height / 2)
        }

        function test_applyOfBreathing() {
            choose(1, 1)
            findChild(colorPage, "speedSlider").setCurIndex(4)
            findChild(colorPage, "brightnessSlider").setCurIndex(7)
            colorPage.selectColor(0)
            findChild(colorPage, "_direction").setCurIndex(1)
            clickItem(colorPage, "applyButton")
            compare(sentFrames(), [frame([0x08, 1, 0, 0, 0, 0, 0])].concat(colourFrames(factory),
                                                                            frame([0x08, 2, 2, 6, 0x31, 1, 1])))
            compare(ui_View.ui_88H_GetLEDType(), [2, 6, 49, 1, 1])
            compare(z9.storedValue(0, "color/ledType"), ["2", "6", "49", "1", "1"])
            for (let i = 0; i < 7; ++i)
                compare(z9.storedValue(0, "color/" + i), factory[i].map(String))
        }

        function test_applyOfAPictureSendsItBeforeTheLightingType() {
            choose(0, 2)
            colorPage.editColor([10, 20, 30])
            const q = key("Q")
            paint(q.x + 3, q.y + 3, q.x + 5, q.y + 5)
            const picture = colorPage.picture(2)
            compare(picture.slice(4 * 9, 4 * 9 + 4), [0, 10, 20, 30])
            colorPage.apply()
            compare(sentFrames(), [frame([0x08, 1, 0, 0, 0, 0, 0])].concat(colourFrames(colorPage.palette),
                                                                            frame([0x12, 0, 2, 8, 0, 0, 0]),
                                                                            frame([0x08, 2, 0x35, 0x06, 49, 1, 1])))
            compare(z9.payload(0x12), picture)
            compare(z9.storedValue(0, "userPicture/2"), picture.map(String))
        }

        function test_storedLoopColourKeepsThePalette() {
            colorPage.selectColor(3)
            const shown = colorPage.currentColor
            store("color/ledType", ["2", "6", "49", "8", "1"])
            colorPage.initUI()
            compare(findChild(colorPage, "_palette").currentIndex, 7)
            compare(colorPage.currentColor, shown)
            compare(colorPage.palette, factory)
            verify(findChild(colorPage, "_eft_Ctrl").isLOOP)
        }

        function test_storedSpeedByteShowsItsPosition_data() {
            return [0, 1, 2, 3, 4, 5, 6, 7].map(position => ({ "tag": "position " + position, "position": position }))
                .concat([{ "tag": "above the table", "speedByte": 0x20, "position": 2 },
                         { "tag": "zero", "byte": 0, "position": 0 }])
        }

        function test_storedSpeedByteShowsItsPosition(data) {
            const speedByte = data.speedByte !== undefined ? data.speedByte : colorPage.speedBytes[data.position]
            store("color/ledType", [2, speedByte, 49, 1, 1])
            colorPage.initUI()
            compare(findChild(colorPage, "speedSlider").currentIndex, data.position)
        }

        function test_backLightingApply_data() {
            return [
                { tag: "MARQUEE, slow, LOOP", effect: 2, speed: 0, brightness: 3, colour: 7, sent: [3, 10, 21, 7, 0] },
                { tag: "fastest", effect: 2, speed: 7, brightness: 3, colour: 7, sent: [3, 1, 21, 7, 0] },
                { tag: "STATIC, slot 2", effect: 0, speed: 4, brightness: 7, colour: 2, sent: [1, 5, 49, 2, 0] },
            ]
        }

        function test_backLightingApply(data) {
            findChild(backPage, "_effectList").setCurIndex(data.effect)
            findChild(backPage, "speedSlider").setCurIndex(data.speed)
            findChild(backPage, "brightnessSlider").setCurIndex(data.brightness)
            findChild(backPage, "_palette").currentIndex = data.colour
            backPage.pageApply()
            compare(sentFrames(), [frame([0x15].concat(data.sent, [0]))])
            compare(ui_View.ui_95H_GetBackLEDType(), data.sent)
            compare(z9.storedValue(0, "color/backLedType"), data.sent.map(String))
        }

        function test_storedBackLightSpeedShowsItsPosition_data() {
            return [
                { tag: "10 is the slowest", speed: "10", position: 0 },
                { tag: "1 is the fastest", speed: "1", position: 7 },
                { tag: "5", speed: "5", position: 4 },
            ]
        }

        function test_storedBackLightSpeedShowsItsPosition(data) {
            store("color/backLedType", ["3", data.speed, "21", "7", "0"])
            backPage.initUI()
            compare(findChild(backPage, "speedSlider").currentIndex, data.position)
            compare(findChild(backPage, "_effectList").currentIndex, 2)
            compare(findChild(backPage, "brightnessSlider").currentIndex, 3)
            compare(findChild(backPage, "_palette").currentIndex, 7)
        }

        // Pages are built when first chosen: one built late still starts from the stored profile.
        function test_aPageBuiltWhenFirstChosenShowsTheStoredLighting() {
            store("color/backLedType", ["3", "10", "21", "7", "0"])
            const late = createScene(host)
            late.initUI()
            late.run()
            const menuFunc = findChild(late, "menuFunc")
            tryCompare(menuFunc, "x", 8)
            compare(findChild(late, "_Page_Backlight"), null, "a page nobody chose is not built")
            compare(findChild(late, "_Page_Macro"), null, "a page nobody chose is not built")
            mouseClick(findChild(menuFunc, "funcEntry3"), 10, 10)
            tryVerify(() => findChild(late, "_Page_Backlight") !== null, 5000)
            const page = findChild(late, "_Page_Backlight")
            tryCompare(page, "visible", true)
            compare(findChild(page, "speedSlider").currentIndex, 0)
            compare(findChild(page, "_effectList").currentIndex, 2)
            compare(findChild(page, "_palette").currentIndex, 7)
        }

        function test_paintingARectangleOverKeys_data() {
            return [
                { tag: "between the rows", keys: [] },
                { tag: "Q W E", keys: ["Q", "W", "E"] },
            ]
        }

        function test_paintingARectangleOverKeys(data) {
            choose(0, 0)
            colorPage.editColor([1, 2, 3])
            const before = colorPage.picture(0)
            let expected = before.slice()
            if (data.keys.length === 0) {
                // The gap between the number row and the Q row.
                const q = key("Q")
                paint(q.x, q.y - 1, q.x + 200, q.y - 1)
            } else {
                const first = key(data.keys[0])
                const last = key(data.keys[data.keys.length - 1])
                paint(first.x + 2, first.y + 2, last.x + last.width - 2, last.y + last.height - 2)
                for (const name of data.keys)
                    expected.splice(4 * key(name).matrix + 1, 3, 1, 2, 3)
            }
            compare(colorPage.picture(0), expected)
            compare(sentFrames(), [], "painting sends nothing")
        }

        function test_resetSendsNothing() {
            choose(1, 0)
            colorPage.editColor([9, 9, 9])
            colorPage.reset()
            backPage.pageReset()
            compare(sentFrames(), [])
            compare(colorPage.palette, factory)
            compare(colorPage.effectCode, 0x03)
        }

        function test_badStoredValuesAreIgnoredGroupByGroup_data() {
            return [
                { tag: "short colour", key: "color/2", value: ["1", "2"] },
                { tag: "colour out of range", key: "color/2", value: ["1", "2", "256"] },
                { tag: "colour not a number", key: "color/2", value: ["1", "x", "3"] },
                { tag: "short picture", key: "userPicture/0", value: new Array(511).fill("7") },
                { tag: "picture with junk", key: "userPicture/0", value: new Array(511).fill("7").concat(["-1"]) },
                { tag: "lighting type not a number", key: "color/ledType", value: ["2", "six", "49", "1", "1"] },
                { tag: "lighting type as one number", key: "color/ledType", text: "5" },
            ]
        }

        function test_badStoredValuesAreIgnoredGroupByGroup(data) {
            store(data.key, data.text !== undefined ? data.text : data.value)
            colorPage.initUI()
            compare(colorPage.palette, factory)
            compare(colorPage.picture(0), new Array(512).fill(0))
            compare(colorPage.effectCode, 0x03)
            compare(findChild(colorPage, "speedSlider").currentIndex, 4)
        }

        function test_storedEffectOutsideTheTablesSelectsNoMenu() {
            store("color/ledType", ["14", "6", "49", "1", "1"])
            colorPage.initUI()
            compare(findChild(colorPage, "_menu1").currentIndex, -1)
            compare(colorPage.effectCode, -1)
            const rgba = findChild(colorPage, "_eft_Ctrl").keyRGBA(key("Q"))
            compare(rgba[3], 0, "no effect shows")
            verify(!findChild(colorPage, "applyButton").enabled)
        }

        function test_numberFieldsTakeOnly0To255() {
            choose(1, 0)
            colorPage.selectColor(1)
            const field = findChild(colorPage, "fieldR").input
            field.forceActiveFocus()
            field.selectAll()
            for (const k of [Qt.Key_3, Qt.Key_0, Qt.Key_0, Qt.Key_Minus, Qt.Key_A])
                keyClick(k)
            compare(field.text, "30")
            field.focus = false
            compare(colorPage.palette[1], [30, 255, 0])
            compare(colorPage.currentColor, [30, 255, 0])
        }
    }
}
