import QtQuick
import QtTest
import "../scene"

// The key definition picture shows what each key does now, read from a profile that holds every
// kind of code, and tells an edit not applied yet from a stored one.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        name: "KeyLegends"

        property var scene: null
        property var page: null

        // Matrix position -> stored code and the legend it must show ("" keeps the factory label).
        readonly property var profile: [
            { tag: "factory code", matrix: 4, code: [0, 0, 0x29, 0], legend: "" },
            { tag: "another key", matrix: 2, code: [0, 0, 0x04, 0], legend: "A" },
            { tag: "combination", matrix: 8, code: [0, 0xE0, 0x06, 0], legend: "L Ctrl+C" },
            { tag: "three keys", matrix: 14, code: [0, 0xE0, 0xE1, 0x16], legend: "L Ctrl+L Shift+S" },
            { tag: "media", matrix: 20, code: [3, 0, 0xE2, 0], legend: "Mute" },
            { tag: "unknown media", matrix: 21, code: [3, 0, 0x99, 0], legend: "Media" },
            { tag: "Fn", matrix: 26, code: [2, 0, 0, 0], legend: "Fn" },
            { tag: "macro slot", matrix: 27, code: [4, 1, 5, 0], legend: "M5" },
            { tag: "no function", matrix: 32, code: [0, 0, 0, 0], legend: "—" },
            { tag: "id without a name", matrix: 33, code: [0, 0, 0xF0, 0], legend: "0xF0" },
        ]

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            page = devicePage(scene, 0, "_Page_Keydefine")
            for (const entry of profile)
                z9.setProfileValue(0, "keydefine/" + entry.matrix, entry.code)
            page.initUI()
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        function key(matrix) {
            return findChild(page, "keyboard").keys_matrix[matrix]
        }

        function test_storedCodesShowTheirFunction_data() {
            return profile
        }

        function test_storedCodesShowTheirFunction(data) {
            const item = key(data.matrix)
            compare(item.legend, data.legend)
            compare(findChild(item, "keyLegend").visible, data.legend !== "")
            compare(findChild(item, "keyLegend").text, data.legend)
            compare(findChild(item, "keyLabel").text, item.name, "the factory label stays")
            compare(findChild(item, "keyLabel").font.pixelSize, data.legend === "" ? 11 : 7)
            verify(!item.isPending)
            verify(!findChild(item, "keyPendingMark").visible)
        }

        function test_anEditIsMarkedUntilApplied() {
            verify(!page.hasPendingEdits)
            key(4).setCode([3, 0, 0xCD, 0])
            compare(key(4).legend, "Play")
            verify(key(4).isPending)
            verify(findChild(key(4), "keyPendingMark").visible)
            verify(findChild(key(4), "keyLegend").font.italic)
            verify(!key(2).isPending, "a stored change is not pending")
            verify(page.hasPendingEdits)
            page.applyKeys()
            verify(!key(4).isPending)
            verify(!findChild(key(4), "keyPendingMark").visible)
            compare(key(4).legend, "Play", "an applied change keeps its legend")
            verify(!page.hasPendingEdits)
        }
    }
}
