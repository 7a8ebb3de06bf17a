import QtQuick
import QtTest
import "../scene"

// The macro page in the whole scene, on the real controller and a virtual keyboard.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        name: "MacroPage"

        readonly property string down: "    [Down]"
        readonly property string up: "      [Up]"
        readonly property string delay: "   [Delay]"

        property var scene: null
        property var page: null

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            showPage(1)
            page = devicePage(scene, 1, "_Page_Macro")
            verify(page.visible)
            z9.clearRecord()
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        // Switches to a device page through the function menu and waits until it has slid in.
        function showPage(index) {
            const entry = findChild(findChild(scene, "menuFunc"), "funcEntry" + index)
            tryCompare(findChild(scene, "menuFunc"), "x", 8)
            mouseClick(entry, 10, 10)
            tryCompare(findChild(scene, "pageArea"), "curID", index)
            tryCompare(findChild(scene, "pages"), "x", 0)
        }

        function click(name) {
            const item = findChild(page, name)
            verify(item, name)
            verify(item.enabled, name + " is enabled")
            mouseClick(item, item.width / 2, item.height / 2)
        }

        function key(usbCode) {
            scene.detectKeyboard(true, usbCode)
            scene.detectKeyboard(false, usbCode)
        }

        function actionView() {
            return findChild(page, "actionList").lvItems
        }

        function macroView() {
            return findChild(page, "macroList").lvItems
        }

        // A new macro, selected, holding one press and release of each key.
        function recordMacro(usbCodes) {
            click("macroAdd")
            click("record")
            for (const code of usbCodes)
                key(code)
            click("stop")
            return page.getCurrentMacroName()
        }

        function test_recordingStoresPressAndRelease() {
            click("macroAdd")
            const name = page.getCurrentMacroName()
            compare(name, "Macro. 001")
            click("record")
            verify(page.isRecordStart)
            verify(!findChild(page, "macroList").enabled, "the macro list waits while recording")
            verify(!findChild(page, "macroAdd").enabled)
            scene.detectKeyboard(true, 0x04)
            scene.detectKeyboard(false, 0x31) // a usage without a name is skipped
            scene.detectKeyboard(false, 0x04)
            compare(ui_View.loadMacroIni(name), [], "nothing is stored before stop")
            click("stop")
            verify(!page.isRecordStart)
            compare(ui_View.loadMacroIni(name), ["A" + down, "A" + up])
            compare(page.getAllMacroActions(), ["A" + down, "A" + up])
        }

        function test_theRightArrowRecordsItsOneCharacterName() {
            const name = recordMacro([0x4F])
            compare(ui_View.loadMacroIni(name), ["►" + down, "►" + up])
            // What the file gives back encodes as the key itself.
            compare(ui_View.macroIncode(ui_View.loadMacroIni(name)),
                    [0x00, 0x01, 0x01, 0x4F, 0x81, 0x4F, 0x00, 0x00])
        }

        function test_recordingReplacesTheLinesAtStop() {
            const name = recordMacro([0x04, 0x05])
            click("record")
            compare(page.getAllMacroActions(), [], "record starts on an empty list")
            key(0x06)
            click("stop")
            compare(ui_View.loadMacroIni(name), ["C" + down, "C" + up])
        }

        function test_capturedKeyGoesInFrontOfTheSelectedLine() {
            const name = recordMacro([0x04, 0x05, 0x06])
            actionView().currentIndex = 3 // "B" + up
            click("keyCapture")
            verify(page.isSelectKey)
            scene.detectKeyboard(true, 0x31) // no name: still waiting
            verify(page.isSelectKey)
            scene.detectKeyboard(false, 0x58)
            verify(!page.isSelectKey)
            compare(findChild(page, "keyCaptureText").text, "KEY 【 KP Enter 】")
            click("keyAdd")
            compare(ui_View.loadMacroIni(name), ["A" + down, "A" + up, "B" + down,
                                                 "KP Enter" + down, "KP Enter" + up,
                                                 "B" + up, "C" + down, "C" + up])
            compare(actionView().currentIndex, 5, "the selection stays on the former line 3")
            compare(page.getCurrentMacroActions(), "B" + up)
        }

        function test_captureFieldClickResetsTheKey() {
            click("macroAdd")
            click("keyCapture")
            key(0x1D)
            compare(findChild(page, "keyCaptureText").text, "KEY 【 Z 】")
            click("keyCapture")
            compare(page.capturedKeycode, 0)
            compare(findChild(page, "keyCaptureText").text, "【 PRESS ANY KEY 】")
            verify(!findChild(page, "keyAdd").enabled)
            click("keyCapture")
            verify(!page.isSelectKey, "a second click stops waiting")
        }

        function test_pasteAfterCopyAndAfterCut_data() {
            return [
                { tag: "copy, paste three times", button: "editCopy", pastes: 3,
                  lines: ["B" + down, "A" + down, "B" + down, "B" + down, "B" + down, "A" + up,
                          "B" + up],
                  pasteEnabled: true },
                { tag: "cut, paste once", button: "editCut", pastes: 1,
                  lines: ["A" + down, "B" + down, "A" + up, "B" + up],
                  pasteEnabled: false },
            ]
        }

        function test_pasteAfterCopyAndAfterCut(data) {
            const name = recordMacro([])
            click("record")
            scene.detectKeyboard(true, 0x05)
            scene.detectKeyboard(true, 0x04)
            scene.detectKeyboard(false, 0x04)
            scene.detectKeyboard(false, 0x05)
            click("stop")
            actionView().currentIndex = 0
            click(data.button)
            actionView().currentIndex = data.button === "editCut" ? 1 : 2
            for (let i = 0; i < data.pastes; ++i)
                click("editPaste")
            compare(ui_View.loadMacroIni(name), data.lines)
            compare(findChild(page, "editPaste").enabled, data.pasteEnabled)
        }

        function test_deleteRemovesTheSelectedLineAndSelectsTheNext() {
            const name = recordMacro([0x04, 0x05])
            actionView().currentIndex = 1
            click("editDelete")
            compare(ui_View.loadMacroIni(name), ["A" + down, "B" + down, "B" + up])
            compare(actionView().currentIndex, 1)
            actionView().currentIndex = 2
            click("editDelete")
            compare(actionView().currentIndex, 1, "the last entry goes: the new last one is selected")
            click("editDelete")
            click("editDelete")
            compare(actionView().currentIndex, -1)
            verify(!findChild(page, "editDelete").enabled)
            compare(ui_View.loadMacroIni(name), [])
        }

        function test_aTypedDelayCountsOnlyWithEnter() {
            const name = recordMacro([])
            const input = findChild(page, "delayInput")
            mouseClick(input, input.width / 2, input.height / 2)
            input.selectAll()
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_5)
            keyClick(Qt.Key_0)
            compare(input.text, "250")
            click("delayAdd")
            compare(ui_View.loadMacroIni(name), ["1000" + delay])
            mouseClick(input, input.width / 2, input.height / 2)
            input.selectAll()
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_5)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_Return)
            compare(page.delayValue, 250)
            click("delayAdd")
            compare(ui_View.loadMacroIni(name), ["1000" + delay, "250" + delay])
        }

        function test_theDelayInputTakesFiveDigitsUpTo65535() {
            recordMacro([])
            const input = findChild(page, "delayInput")
            mouseClick(input, input.width / 2, input.height / 2)
            input.selectAll()
            for (const digit of [Qt.Key_7, Qt.Key_0, Qt.Key_0, Qt.Key_0, Qt.Key_0, Qt.Key_0])
                keyClick(digit)
            keyClick(Qt.Key_Return)
            verify(input.text.length <= 5)
            compare(page.delayValue, 1000, "70000 is not a delay")
            input.selectAll()
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_Return)
            compare(page.delayValue, 0)
            verify(!findChild(page, "delayAdd").enabled, "no delay of 0")
        }

        function test_deletingTheSelectedMacroSelectsTheNextOne() {
            recordMacro([0x04])
            const second = recordMacro([0x05])
            const third = recordMacro([0x06])
            macroView().currentIndex = 1
            page.refreshMacroActions()
            compare(page.getCurrentMacroName(), second)
            click("macroDelete")
            compare(ui_View.loadMacroIniConfig(second), [], "its file is gone")
            compare(page.getCurrentMacroName(), third)
            compare(page.getAllMacroActions(), ["C" + down, "C" + up])
            click("macroDelete")
            compare(macroView().currentIndex, 0, "the last one went: the new last is selected")
            compare(page.getAllMacroActions(), ["A" + down, "A" + up])
        }

        function test_selectingAMacroShowsItsLines() {
            recordMacro([0x04])
            recordMacro([0x05])
            const list = findChild(page, "macroList")
            mouseClick(list, 20, 10)
            compare(page.getCurrentMacroName(), "Macro. 001")
            compare(page.getAllMacroActions(), ["A" + down, "A" + up])
            mouseClick(list, 20, 10)
            compare(page.getCurrentMacroName(), undefined, "a second click deselects")
            compare(page.getAllMacroActions(), [])
            verify(!findChild(page, "record").enabled)
        }

        function test_aMacroFileThatVanishedEmptiesTheList() {
            const name = recordMacro([0x04])
            verify(ui_View.deleteMacroIni(name))
            click("delayAdd")
            compare(page.getAllMacroActions(), [])
            compare(page.getCurrentMacroName(), name, "nothing else changes")
            compare(ui_View.getMacroIniNames(), [], "a save never creates the file again")
        }

        function test_linesThatDoNotParseAreShownAsTheyAre() {
            const name = recordMacro([])
            const lines = ["garbage", "A" + down, "x;y=1,\"" + up, ""]
            verify(ui_View.saveMacroIni(name, lines))
            page.refreshMacroActions()
            compare(page.getAllMacroActions(), lines)
            compare(ui_View.macroIncode(lines), [0x00, 0x01, 0x01, 0x04, 0x00, 0x00])
        }

        function test_editButtonsShowTheirHints_data() {
            return [
                { tag: "delete", button: "editDelete", hint: 80 },
                { tag: "cut", button: "editCut", hint: 81 },
                { tag: "paste", button: "editPaste", hint: 82 },
                { tag: "copy", button: "editCopy", hint: 83 },
            ]
        }

        function test_editButtonsShowTheirHints(data) {
            recordMacro([0x04])
            actionView().currentIndex = 0
            page.copyLine() // so that paste is enabled too
            const hint = findChild(page, "editHint")
            mouseMove(scene, 900, 590)
            tryCompare(hint, "visible", false)
            const button = findChild(page, data.button)
            mouseMove(button, button.width / 2, button.height / 2)
            tryCompare(hint, "visible", true)
            compare(hint.text, scene.globalSetting_stringList[data.hint])
            verify(hint.text.length > 0)
            mouseMove(scene, 900, 590)
            tryCompare(hint, "visible", false)
        }

        // The device block of a macro: its encoding padded with zeros to 192 bytes.
        function macroBlock(lines) {
            const block = ui_View.macroIncode(lines)
            while (block.length < 192)
                block.push(0)
            return block
        }

        function test_aRecordedMacroAssignedToAKeyFollowsEveryEdit() {
            const name = recordMacro([0x04])
            compare(z9.frames(0x11).length, 0, "a macro without a slot stays in the library")

            showPage(0)
            const keys = devicePage(scene, 0, "_Page_Keydefine")
            const gamingMode = findChild(keys, "gamingMode")
            mouseClick(gamingMode, 5, gamingMode.height / 2)
            const kind = findChild(keys, "_menu1")
            mouseClick(kind, 20, 11)
            tryCompare(kind, "isSelect", true)
            mouseClick(kind, 20, 22 + 3 * 22 + 11) // MACRO
            tryCompare(kind, "isSelect", false)
            const macros = findChild(keys, "_menu2_4")
            mouseClick(macros, 20, 11)
            tryCompare(macros, "isSelect", true)
            mouseClick(macros, 20, 22 + 10)
            tryCompare(macros, "isSelect", false)
            mouseClick(findChild(keys, "applyButton"), 10, 10)
            verify(z9.waitIdle())
            compare(ui_View.loadMacroIniConfig(name), [0, 1])
            compare(z9.macroSlot(0), macroBlock(["A" + down, "A" + up]))
            const selected = keys.curKeyMatrix
            compare(z9.keyMatrix().slice(4 * selected, 4 * selected + 4), [0x04, 0x01, 0x00, 0x00])

            showPage(1)
            compare(page.getCurrentMacroName(), name, "the macro page kept its selection")
            z9.clearRecord()
            click("delayAdd")
            verify(z9.waitIdle())
            const frames = z9.frames(0x11)
            compare(frames.length, 1)
            compare(frames[0][2], 0, "the same slot")
            compare(z9.macroSlot(0), macroBlock(["A" + down, "A" + up, "1000" + delay]))
        }

        function test_macroListIsReadAtStart() {
            recordMacro([0x04])
            recordMacro([])
            const names = ui_View.getMacroIniNames()
            compare(names, ["Macro. 001.bin", "Macro. 002.bin"])
            page.initUI()
            compare(macroView().count, 2)
            compare(macroView().currentIndex, -1)
            compare(page.getCurrentMacroName(), undefined)
        }
    }
}
