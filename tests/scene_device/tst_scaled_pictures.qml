import QtQuick
import QtTest
import "../scene"

// Both keyboard pictures keep their geometry in points at whatever scale factor the screen has
// (ctest runs this file again at 1.25, 1.5 and 2): every key cap and frame has the size of its
// 1x picture, whether Qt drew it from that picture or from the one with twice the pixels.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        id: test
        name: "ScaledPictures"

        property var scene: null

        // Key cap sizes in points by key type, as the skin draws them at 1x.
        readonly property var capSizes: ({
            1: [29, 29], 2: [45, 29], 3: [52, 29], 4: [68, 29], 5: [37, 29], 6: [192, 29],
            7: [83, 29], 9: [60, 29], 10: [60, 29], 11: [29, 60], 12: [44, 29], 81: [68, 29]
        })

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
        }

        function checkKeys(keys, offsetOf) {
            let checked = 0
            for (const key of keys) {
                if (key.keyType <= 0)
                    continue
                const size = capSizes[key.keyType]
                compare([key.width, key.height], size, key.name)
                const frame = findChild(key, "keyFrame")
                tryVerify(() => frame.status === Image.Ready, 5000, key.name + " frame loaded")
                compare([frame.implicitWidth, frame.implicitHeight], size, key.name + " frame")
                const at = offsetOf(key)
                compare([at.x, at.y], [key.x, key.y], key.name + " in place")
                ++checked
            }
            return checked
        }

        function test_theKeyPagePicture() {
            const keyboard = findChild(devicePage(scene, 0, "_Page_Keydefine"), "keyboard")
            const count = checkKeys(keyboard.keys_matrix, key => key.mapToItem(keyboard, 0, 0))
            compare(count, 104)
            compare([keyboard.width, keyboard.height], [keyboard.pictureWidth, keyboard.pictureHeight])
        }

        function test_theLightingPicture() {
            const model = findChild(devicePage(scene, 2, "_Page_Color"), "_model")
            const count = checkKeys(model.keys_kId, key => key.mapToItem(model, 0, 0))
            compare(count, 104)
        }
    }
}
