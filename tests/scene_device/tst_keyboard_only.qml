import QtQuick
import QtTest
import "../scene"

// The whole scene used from the keyboard alone, on the real controller and a virtual keyboard:
// Tab walks the controls in reading order, the arrow keys walk lists, menus, sliders and the
// keyboard picture, Enter and Space act, Esc closes; each task ends with its frames on the wire.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        id: test
        name: "KeyboardOnly"

        property var scene: null

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            tryCompare(findChild(scene, "pages"), "x", 0)
            devicePage(scene, 0, "_Page_Keydefine")
            z9.clearRecord()
            scene.forceActiveFocus()
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        function focused() {
            return scene.Window.activeFocusItem
        }

        // What a screen reader would say the focused control is.
        function focusedName() {
            return focused() ? String(focused().Accessible.name) : ""
        }

        // Presses Tab until the control's own focus target holds the focus; fails after a round.
        function tabTo(control) {
            const target = control.objectName === "focusTarget" ? control : findChild(control, "focusTarget")
            verify(target, "the control takes the focus")
            for (let presses = 0; presses < 80 && focused() !== target; ++presses)
                keyClick(Qt.Key_Tab)
            compare(focused(), target, "Tab reaches " + target.Accessible.name)
        }

        function tabToName(name) {
            for (let presses = 0; presses < 80 && focusedName() !== name; ++presses)
                keyClick(Qt.Key_Tab)
            compare(focusedName(), name)
        }

        function frame(bytes) {
            const sum = bytes.reduce((total, b) => total + b, 0)
            return [0].concat(bytes, [~sum & 0xFF])
        }

        function pageOf(name) {
            tryVerify(() => findChild(scene, name) !== null && findChild(scene, name).visible, 5000, name + " shows")
            tryCompare(findChild(scene, "pages"), "x", 0)
            return findChild(scene, name)
        }

        // --- reading order ---

        function test_tabReadsTheWindowFromTheTopBarDownAndShiftTabBack() {
            const names = []
            for (let i = 0; i < 7; ++i) {
                keyClick(Qt.Key_Tab)
                names.push(focusedName())
            }
            compare(names, ["SETTINGS", "USER MANUAL", "CLOSE", "KEY", "MACRO", "COLOR", "BACKLIGHTING"])
            keyClick(Qt.Key_Backtab)
            compare(focusedName(), "COLOR")
            keyClick(Qt.Key_Tab, Qt.ShiftModifier)
            compare(focusedName(), "MACRO")
        }

        function test_theFocusedControlShowsItsMark() {
            keyClick(Qt.Key_Tab)
            const mark = findChild(focused(), "focusMark")
            verify(mark.visible)
            keyClick(Qt.Key_Tab)
            verify(!mark.visible, "the mark leaves with the focus")
        }

        // --- the three tasks ---

        function test_remapAKeyAndApply() {
            const page = findChild(scene, "_Page_Keydefine")
            const keyboard = findChild(page, "keyboard")
            tabTo(findChild(page, "gamingMode"))
            keyClick(Qt.Key_Space)
            verify(page.isGamingMode)
            tabTo(keyboard)
            // From the selected Esc down the left edge: `, Tab, Caps.
            for (let i = 0; i < 3; ++i)
                keyClick(Qt.Key_Down)
            compare(keyboard.cursorKey.name, "Caps")
            keyClick(Qt.Key_Return)
            compare(page.curKeyMatrix, 2)
            const menu = findChild(page, "_menu1")
            tabTo(menu)
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            compare(menu.currentIndex, 1, "MEDIA")
            const media = findChild(page, "_menu2_2")
            tabTo(media)
            keyClick(Qt.Key_Down)
            for (let i = 0; i < 4; ++i)
                keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            compare(media.currentIndex, 3, "PLAY / PAUSE")
            tabTo(findChild(page, "applyButton"))
            keyClick(Qt.Key_Return)
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [0x09, 0x0D])
            compare(z9.frames(0x09)[0], frame([0x09, 1, 0, 0, 0, 0, 0]))
            const sent = z9.payload(0x0D)
            compare(sent.slice(8, 12), [0x03, 0x00, 0xCD, 0x00], "Caps plays or pauses")
            compare(sent.slice(16, 20), [0x00, 0x00, 0x29, 0x00], "Esc stays Esc")
        }

        function test_chooseALightingEffectAndApply() {
            tabToName("COLOR")
            keyClick(Qt.Key_Return)
            const page = pageOf("_Page_Color")
            tabTo(findChild(page, "_menu1"))
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Space)
            tabTo(findChild(page, "_menu2_1"))
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            compare(page.effectCode, 0x02, "BREATHING")
            const speed = findChild(page, "speedSlider")
            tabTo(speed)
            keyClick(Qt.Key_Left)
            compare(speed.currentIndex, 3)
            tabTo(findChild(page, "applyButton"))
            keyClick(Qt.Key_Return)
            verify(z9.waitIdle())
            const codes = z9.frameCodes()
            compare(codes, [0x08, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x08])
            const lighting = z9.frames(0x08)
            compare(lighting[0], frame([0x08, 1, 0, 0, 0, 0, 0]))
            compare(lighting[1], frame([0x08, 2, 0x02, 0x07, 49, findChild(page, "_palette").currentIndex + 1,
                                        findChild(page, "_direction").currentIndex]))
        }

        function test_paintAKeyOfTheLightingPicture() {
            tabToName("COLOR")
            keyClick(Qt.Key_Return)
            const page = pageOf("_Page_Color")
            const picture = findChild(page, "_model")
            tabTo(findChild(page, "_menu1"))
            verify(!findChild(picture, "focusTarget").enabled, "only a picture being painted takes the focus")
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            tabTo(findChild(page, "_menu2_0"))
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            compare(page.effectCode, 0x33, "USER DEFINE 1")
            tabTo(picture)
            // From the first key (Esc) two to the right: F2.
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Right)
            compare(picture.cursorKey.name, "F2")
            keyClick(Qt.Key_Return)
            const matrix = picture.cursorKey.matrix
            const painted = page.picture(0)
            compare(painted.slice(4 * matrix + 1, 4 * matrix + 4), page.currentColor)
            compare(painted.filter((value, i) => i % 4 !== 0 && value !== 0).length, 3, "that key alone")
        }

        function test_switchProfileWithTheArrowKeys() {
            tabToName("PROFILE P01")
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(focusedName(), "PROFILE P03")
            keyClick(Qt.Key_Return)
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [0x02])
            compare(z9.frames(0x02)[0], frame([0x02, 2, 0, 0, 0, 0, 0]))
            compare(findChild(scene, "menuProf").currentIndex, 2)
            verify(focused().Accessible.checked)
        }

        function test_theFocusGoesOnFromWhereTheFocusedControlWentAway() {
            tabToName("MACRO")
            keyClick(Qt.Key_Return)
            const page = pageOf("_Page_Macro")
            tabTo(findChild(page, "macroAdd"))
            keyClick(Qt.Key_Return)
            tabTo(findChild(page, "delayAdd"))
            keyClick(Qt.Key_Return)
            tabTo(findChild(page, "actionList"))
            keyClick(Qt.Key_Down)
            verify(page.hasLine)
            const lineDelete = findChild(page, "editDelete")
            tabTo(lineDelete)
            keyClick(Qt.Key_Return)
            verify(!lineDelete.enabled, "deleting the only line takes the focused button away")
            tryVerify(() => focusedName() === "CAPTURE A KEY", 2000, "the control after the edit buttons")
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "DELAY IN MS", "its add button waits for a key")
        }

        // The key listener reports the keys that start and stop the recording too, before the
        // window hears them or after; either way they are not recorded.
        function test_recordAndStopHandTheFocusToEachOtherAndAreNotRecorded_data() {
            return [
                { tag: "listener first", key: Qt.Key_Return, usage: 0x28, name: "Enter", listenerFirst: true },
                { tag: "window first", key: Qt.Key_Space, usage: 0x2C, name: "Space", listenerFirst: false },
            ]
        }

        function test_recordAndStopHandTheFocusToEachOtherAndAreNotRecorded(data) {
            tabToName("MACRO")
            keyClick(Qt.Key_Return)
            const page = pageOf("_Page_Macro")
            tabTo(findChild(page, "macroAdd"))
            keyClick(Qt.Key_Return)
            tabTo(findChild(page, "record"))
            const press = () => {
                if (data.listenerFirst)
                    scene.detectKeyboard(true, data.usage)
                keyClick(data.key)
                if (!data.listenerFirst)
                    scene.detectKeyboard(true, data.usage)
                scene.detectKeyboard(false, data.usage)
            }
            press()
            verify(page.isRecordStart)
            tryVerify(() => focusedName() === "STOP", 2000, "one key away from stopping")
            scene.detectKeyboard(true, 0x04)
            scene.detectKeyboard(false, 0x04)
            scene.detectKeyboard(true, data.usage)
            scene.detectKeyboard(false, data.usage)
            press()
            verify(!page.isRecordStart)
            compare(focusedName(), "RECORD")
            compare(page.getAllMacroActions(), ["A    [Down]", "A      [Up]",
                                                 data.name + page.commandDown, data.name + page.commandUp],
                    "keys typed while recording are all there, the same key among them")
        }

        // --- menus and panels ---

        function test_theProfileMenuOpensFromTheKeyboardAndEscClosesIt() {
            tabToName("PROFILE P02")
            keyClick(Qt.Key_Menu)
            const menu = findChild(scene, "contextMenu")
            verify(menu.visible)
            compare(focusedName(), "LOAD")
            keyClick(Qt.Key_Up)
            compare(focusedName(), "CANCEL", "the arrows go round the menu")
            keyClick(Qt.Key_Tab)
            compare(focusedName(), "LOAD", "Tab stays in the open menu")
            keyClick(Qt.Key_Escape)
            compare(focusedName(), "PROFILE P02", "the focus goes back to its entry")
            tryCompare(menu, "visible", false)
            compare(z9.frameCodes(), [])
        }

        function test_escClosesAnOpenListThenTheSettingsPanel() {
            tabToName("SETTINGS")
            keyClick(Qt.Key_Return)
            const up = findChild(scene, "upItem")
            verify(up.isGlobalSettingSelect)
            tryVerify(() => findChild(scene, "soundList") !== null)
            const sound = findChild(scene, "soundList")
            tabTo(sound)
            keyClick(Qt.Key_Return)
            verify(sound.isListShown)
            keyClick(Qt.Key_Escape)
            tryCompare(sound, "isListShown", false)
            verify(up.isGlobalSettingSelect, "the first Esc closes the list only")
            keyClick(Qt.Key_Escape)
            verify(!up.isGlobalSettingSelect)
            compare(focusedName(), "SETTINGS", "the focus does not stay in the closed panel")
        }

        // --- key capture fields ---

        function test_theMacroCaptureArmedFromTheKeyboardHoldsTabAndSkipsItsOwnKey() {
            tabToName("MACRO")
            keyClick(Qt.Key_Return)
            const page = pageOf("_Page_Macro")
            const capture = findChild(page, "keyCapture")
            tabTo(capture)
            keyClick(Qt.Key_Return)
            verify(page.isSelectKey)
            // The key listener reports the Enter that armed it: not the key wanted.
            scene.detectKeyboard(true, 0x28)
            scene.detectKeyboard(false, 0x28)
            verify(page.isSelectKey)
            const target = findChild(capture, "focusTarget")
            keyClick(Qt.Key_Tab)
            compare(focused(), target, "Tab is a key to capture, so it stays")
            scene.detectKeyboard(true, 0x2B)
            verify(!page.isSelectKey)
            compare(page.capturedName, "Tab")
            keyClick(Qt.Key_Tab)
            verify(focused() !== target, "once captured, Tab leaves")
        }

        function test_theKeyboardInputTakesTheKeyReleasedWhileItHoldsTheFocusButNotTab() {
            const page = findChild(scene, "_Page_Keydefine")
            tabTo(findChild(page, "gamingMode"))
            keyClick(Qt.Key_Space)
            const input = findChild(page, "_menu2_0")
            tabTo(input)
            const esc = findChild(page, "keyboard").keys_matrix[4]
            scene.detectKeyboard(true, 0x04)
            compare(esc.code(), [0, 0, 0x29, 0], "a press alone puts nothing in")
            scene.detectKeyboard(false, 0x2B)
            compare(esc.code(), [0, 0, 0x29, 0], "Tab only leaves")
            scene.detectKeyboard(false, 0x04)
            compare(esc.code(), [0, 0, 0x04, 0])
            compare(input.keyname, "A")
            keyClick(Qt.Key_Tab)
            scene.detectKeyboard(false, 0x05)
            compare(esc.code(), [0, 0, 0x04, 0], "without the focus it takes nothing")
        }
    }
}
