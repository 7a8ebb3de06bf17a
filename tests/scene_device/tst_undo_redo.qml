import QtQuick
import QtTest
import "../scene"

// Undo and redo on the device pages and in the macro editor, in the whole scene on the real
// controller and a virtual keyboard: Ctrl+Z steps back to the last apply, Ctrl+Shift+Z and Ctrl+Y
// forward, and neither sends anything to the keyboard.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        id: test
        name: "UndoRedo"

        readonly property string down: "    [Down]"
        readonly property string up: "      [Up]"

        property var scene: null
        property var page: null
        // The macro the case works with, when it needs one.
        property string macro: ""

        readonly property var pageNames: ["_Page_Keydefine", "_Page_Macro", "_Page_Color", "_Page_Backlight"]

        function init() {
            z9.reset()
            macro = ""
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            tryCompare(findChild(scene, "pages"), "x", 0)
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        // Shows a device page through the function menu, as a user does.
        function showPage(index) {
            const menu = findChild(scene, "menuFunc")
            tryCompare(menu, "x", 8)
            if (findChild(scene, "pageArea").curID !== index)
                mouseClick(findChild(menu, "funcEntry" + index), 10, 10)
            tryCompare(findChild(scene, "pageArea"), "curID", index)
            tryCompare(findChild(scene, "pages"), "x", 0)
            page = devicePage(scene, index, pageNames[index])
            verify(page.visible)
        }

        function control(name) {
            const item = findChild(page, name)
            verify(item, name)
            return item
        }

        // Lets the event just handled settle into its step, as the next user event would find it.
        function settle() {
            wait(5)
        }

        function undoKey() {
            keyClick(Qt.Key_Z, Qt.ControlModifier)
        }

        function redoKey(how) {
            if (how === "Ctrl+Y")
                keyClick(Qt.Key_Y, Qt.ControlModifier)
            else
                keyClick(Qt.Key_Z, Qt.ControlModifier | Qt.ShiftModifier)
        }

        // --- the key definition page ---

        function key(matrix) {
            return findChild(page, "keyboard").keys_matrix[matrix]
        }

        function clickKey(matrix) {
            const item = key(matrix)
            mouseMove(item, item.width / 2, item.height / 2)
            mouseClick(item, item.width / 2, item.height / 2)
        }

        function dragKeyOnto(matrix, target) {
            const item = key(matrix)
            const to = target.mapToItem(item, target.width / 2, target.height / 2)
            mousePress(item, item.width / 2, item.height / 2)
            mouseMove(item, to.x, to.y, -1, Qt.LeftButton)
            mouseRelease(item, to.x, to.y)
        }

        function chooseFromList(list, index) {
            mouseClick(list, 20, 11)
            tryCompare(list, "isSelect", true)
            mouseClick(list, 20, 22 + index * 22 + 11)
            tryCompare(list, "isSelect", false)
        }

        function chooseMacro(index) {
            const list = control("_menu2_4")
            mouseClick(list, 20, 11)
            tryCompare(list, "isSelect", true)
            mouseClick(list, 20, 22 + index * 19 + 10)
            tryCompare(list, "isSelect", false)
        }

        // A macro in the library holding one keystroke of A, owning the given slot (-1: none).
        function makeMacro(slot) {
            const name = ui_View.createMacroIni()
            verify(ui_View.saveMacroIni(name, ["A" + down, "A" + up]))
            ui_View.setMacroIniConfig(name, [slot, 1])
            return name
        }

        function slotOf(name) {
            return Number(ui_View.loadMacroIniConfig(name)[0])
        }

        function macroBlock(lines) {
            const block = ui_View.macroIncode(lines)
            while (block.length < 192)
                block.push(0)
            return block
        }

        // Caps selected in gaming mode, with the first-level menu at the given entry.
        function selectCaps(menuEntry) {
            const box = control("gamingMode")
            mouseClick(box, 5, box.height / 2)
            clickKey(2)
            if (menuEntry !== undefined)
                chooseFromList(control("_menu1"), menuEntry)
        }

        // --- the lighting pages ---

        function colorKey(name) {
            return findChild(page, "_model").keys_kId.filter(k => k.name === name)[0]
        }

        function paint(x1, y1, x2, y2) {
            const area = control("paintMouse")
            const ctrl = control("_eft_Ctrl")
            mousePress(area, x1 + ctrl.x, y1 + ctrl.y)
            settle()
            mouseMove(area, x2 + ctrl.x, y2 + ctrl.y, -1, Qt.LeftButton)
            settle()
            mouseRelease(area, x2 + ctrl.x, y2 + ctrl.y)
        }

        // Drags along the colour strip through several colours, one press and one release, with
        // time for the scene between the moves as a hand gives it.
        function dragAlongStrip() {
            const strip = control("paletteMouse")
            mousePress(strip, 5, strip.height / 2)
            for (const x of [20, 40, 60]) {
                settle()
                mouseMove(strip, x, strip.height / 2, -1, Qt.LeftButton)
            }
            settle()
            mouseRelease(strip, 60, strip.height / 2)
        }

        // Releases the pointer on a slider's first (0) or last (7) step.
        function clickSlider(name, last) {
            const steps = findChild(control(name), "stepMouse")
            mouseClick(steps, last ? steps.width - 1 : 0, steps.height / 2)
        }

        // --- the macro editor ---

        function clickMacroControl(name) {
            const item = control(name)
            verify(item.enabled, name + " is enabled")
            mouseClick(item, item.width / 2, item.height / 2)
        }

        function recordMacro(usbCodes) {
            clickMacroControl("macroAdd")
            clickMacroControl("record")
            for (const code of usbCodes) {
                scene.detectKeyboard(true, code)
                scene.detectKeyboard(false, code)
            }
            clickMacroControl("stop")
            return page.getCurrentMacroName()
        }

        function selectLine(index) {
            const view = control("actionList").lvItems
            view.currentIndex = index
        }

        // Each kind of edit: the page it lives on, what comes before it, the edit itself, and what
        // it changes as a test can read it.
        readonly property var kinds: ({
            "drag onto the KEYBOARD input": {
                page: 0,
                prepare: () => selectCaps(),
                edit: () => dragKeyOnto(8, control("_menu2_0")),
                read: () => key(2).code()
            },
            "drop onto a COMBO input": {
                page: 0,
                prepare: () => selectCaps(2),
                edit: () => dragKeyOnto(0, control("_menu2_3_KI1")),
                read: () => key(2).code()
            },
            "clearing an input": {
                page: 0,
                prepare: () => selectCaps(),
                edit: () => mouseClick(control("_menu2_0"), 30, 10),
                read: () => key(2).code()
            },
            "MEDIA choice": {
                page: 0,
                prepare: () => selectCaps(1),
                edit: () => chooseFromList(control("_menu2_2"), 0),
                read: () => key(2).code()
            },
            "MACRO choice into a new slot": {
                page: 0,
                prepare: () => {
                    macro = makeMacro(-1)
                    selectCaps(3)
                },
                edit: () => chooseMacro(0),
                read: () => [key(2).code(), slotOf(macro)]
            },
            "reset button": {
                page: 0,
                prepare: () => {
                    z9.setProfileValue(0, "keydefine/2", [0, 0, 0x04, 0])
                    page.initUI()
                    selectCaps()
                },
                edit: () => mouseClick(control("resetButton"), 10, 10),
                read: () => key(2).code()
            },
            "painted rectangle": {
                page: 2,
                prepare: () => {
                    page.selectEffect(0, 0)
                    page.editColor([10, 20, 30])
                    page.apply()
                },
                edit: () => {
                    const a = colorKey("A")
                    paint(a.x + 2, a.y + 2, a.x + 4, a.y + 4)
                },
                read: () => page.picture(0).slice(4 * 8, 4 * 8 + 4)
            },
            "palette change along the strip": {
                page: 2,
                prepare: () => {
                    page.reset()
                    page.selectEffect(1, 0)
                    page.apply()
                },
                edit: () => dragAlongStrip(),
                read: () => [page.palette[0], page.currentColor]
            },
            "back lighting values": {
                page: 3,
                prepare: () => {},
                edit: () => clickSlider("speedSlider", false),
                read: () => control("speedSlider").currentIndex
            },
            "macro lines": {
                page: 1,
                prepare: () => {
                    macro = makeMacro(-1)
                    page.refreshMacroFiles()
                    mouseClick(control("macroList"), 30, 10)
                    compare(page.getCurrentMacroName(), macro)
                    selectLine(0)
                },
                edit: () => clickMacroControl("editDelete"),
                read: () => [ui_View.loadMacroIni(macro), page.getAllMacroActions()]
            }
        })

        function test_undoAndRedoStepThroughOneEdit_data() {
            return Object.keys(kinds).map((tag, i) => ({ tag: tag, redo: i % 2 ? "Ctrl+Y" : "Ctrl+Shift+Z" }))
        }

        function test_undoAndRedoStepThroughOneEdit(data) {
            const kind = kinds[data.tag]
            showPage(kind.page)
            kind.prepare()
            settle()
            const isDevicePage = kind.page !== 1
            verify(!isDevicePage || !page.hasPendingEdits, "the case starts from what the profile holds")
            const before = kind.read()
            kind.edit()
            const after = kind.read()
            verify(JSON.stringify(after) !== JSON.stringify(before), "the edit changed " + JSON.stringify(before))
            verify(!isDevicePage || page.hasPendingEdits)
            verify(z9.waitIdle())
            z9.clearRecord()

            undoKey()
            compare(kind.read(), before, "undo")
            verify(!isDevicePage || !page.hasPendingEdits, "back at the applied state, nothing is pending")
            undoKey()
            compare(kind.read(), before, "nothing before the last apply or the opening")
            redoKey(data.redo)
            compare(kind.read(), after, "redo")
            verify(!isDevicePage || page.hasPendingEdits)
            redoKey(data.redo)
            compare(kind.read(), after, "nothing left to redo")
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [], "undo and redo send nothing")
        }

        // --- macro slots ---

        function test_undoOfAMacroChoiceFreesTheSlotAndRedoTakesItBackUnsent() {
            showPage(0)
            const name = makeMacro(-1)
            selectCaps(3)
            chooseMacro(0)
            compare(key(2).code(), [0x04, 0x01, 0x00, 0x00])
            verify(z9.waitIdle())
            compare(z9.macroSlot(0), macroBlock(["A" + down, "A" + up]))
            z9.clearRecord()
            verify(page.undo())
            compare(slotOf(name), -1, "no key uses slot 0, so the macro lets it go")
            verify(page.redo())
            compare(slotOf(name), 0)
            compare(key(2).code(), [0x04, 0x01, 0x00, 0x00])
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [], "the keyboard's slot 0 still holds the macro")
            compare(z9.macroSlot(0), macroBlock(["A" + down, "A" + up]))
        }

        function test_undoOfASlotReleaseGivesTheSlotBackToItsMacro() {
            showPage(0)
            const name = makeMacro(5)
            z9.setProfileValue(0, "keydefine/2", [4, 1, 5, 0])
            page.initUI()
            selectCaps(1)
            chooseFromList(control("_menu2_2"), 0)
            compare(slotOf(name), -1)
            z9.clearRecord()
            verify(page.undo())
            compare(key(2).code(), [4, 1, 5, 0])
            compare(slotOf(name), 5)
            verify(!page.hasPendingEdits)
            compare(z9.frameCodes(), [])
        }

        // Slot 0 let go by one key and written with another macro for another key: stepping back
        // over both gives slot 0 back to the first macro, whose contents apply writes again.
        function test_aSlotOverwrittenMeanwhileIsWrittenAgainAtApply() {
            showPage(0)
            const first = makeMacro(0)
            const second = ui_View.createMacroIni()
            verify(ui_View.saveMacroIni(second, ["B" + down, "B" + up]))
            z9.setProfileValue(0, "keydefine/2", [4, 1, 0, 0])
            page.initUI()
            selectCaps(1)
            chooseFromList(control("_menu2_2"), 0)
            settle()
            clickKey(8)
            chooseFromList(control("_menu1"), 3)
            chooseMacro(1)
            compare(key(8).code(), [4, 1, 0, 0], "the second macro takes the free slot 0")
            verify(z9.waitIdle())
            z9.clearRecord()
            verify(page.undo())
            verify(page.undo())
            compare(key(2).code(), [4, 1, 0, 0])
            compare(key(8).code(), [0, 0, 0x04, 0])
            compare([slotOf(first), slotOf(second)], [0, -1])
            compare(z9.frameCodes(), [], "undo sends nothing")
            verify(page.hasPendingEdits, "the keyboard's slot 0 holds the other macro")
            mouseClick(control("applyButton"), 10, 10)
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [0x11, 0x0D])
            compare(z9.macroSlot(0), macroBlock(["A" + down, "A" + up]))
            verify(!page.hasPendingEdits)
        }

        // A macro edited while it owns no slot is only stored; when a redo gives it its slot
        // back, the keyboard's copy is the older one, so apply writes the slot again.
        function test_aMacroEditedWithoutItsSlotIsWrittenAgainAtApply() {
            showPage(0)
            const name = makeMacro(-1)
            selectCaps(3)
            chooseMacro(0)
            verify(page.undo())
            compare(slotOf(name), -1)
            verify(ui_View.saveMacroIni(name, ["B" + down, "B" + up]))
            verify(z9.waitIdle())
            z9.clearRecord()
            verify(page.redo())
            compare(slotOf(name), 0)
            compare(z9.frameCodes(), [], "redo sends nothing")
            verify(page.hasPendingEdits, "the keyboard's slot 0 holds the macro's older lines")
            mouseClick(control("applyButton"), 10, 10)
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [0x11, 0x0D])
            compare(z9.macroSlot(0), macroBlock(["B" + down, "B" + up]))
            verify(!page.hasPendingEdits)
        }

        function test_keyDefinitionStepsNeedGamingModeLikeItsControls() {
            showPage(0)
            selectCaps()
            dragKeyOnto(8, control("_menu2_0"))
            const box = control("gamingMode")
            mouseClick(box, 5, box.height / 2)
            undoKey()
            compare(key(2).code(), [0, 0, 0x04, 0])
            mouseClick(box, 5, box.height / 2)
            undoKey()
            compare(key(2).code(), [0, 0, 0x39, 0])
        }

        // --- where history starts and ends ---

        function test_aNewEditLeavesNothingToRedo() {
            showPage(3)
            const speed = control("speedSlider")
            clickSlider("speedSlider", false)
            settle()
            verify(page.undo())
            compare(speed.currentIndex, 4)
            clickSlider("speedSlider", true)
            settle()
            verify(!page.redo())
            compare(speed.currentIndex, 7)
            verify(page.undo())
            compare(speed.currentIndex, 4)
        }

        function test_historyStartsAtApplyAndAtProfileLoad_data() {
            return [ { tag: "apply" }, { tag: "profile switch" } ]
        }

        function test_historyStartsAtApplyAndAtProfileLoad(data) {
            showPage(3)
            clickSlider("speedSlider", false)
            settle()
            if (data.tag === "apply") {
                mouseClick(control("applyButton"), 10, 10)
            } else {
                mouseClick(findChild(findChild(scene, "menuProf"), "profile2"), 10, 10)
                mouseClick(findChild(findChild(scene, "askDialog"), "askDiscard"), 10, 8)
                compare(findChild(scene, "menuProf").currentIndex, 2)
            }
            verify(!page.undo(), "nothing to step back to")
            compare(control("speedSlider").currentIndex, 0, "the page keeps what it shows")
        }

        function test_historyKeepsTheLatestSteps() {
            showPage(3)
            const speed = control("speedSlider")
            for (let i = 1; i <= 70; ++i) {
                speed.setCurIndex(i % 8)
                settle()
            }
            let steps = 0
            while (page.undo())
                ++steps
            compare(steps, 64)
            compare(speed.currentIndex, 6, "the state after the sixth edit")
        }

        // --- the macro editor ---

        function test_aRecordingIsOneStepAndShortcutsWaitWhileCapturing() {
            showPage(1)
            const name = recordMacro([0x04])
            clickMacroControl("record")
            scene.detectKeyboard(true, 0x05)
            undoKey()
            verify(page.isRecordStart, "the recording goes on")
            scene.detectKeyboard(false, 0x05)
            clickMacroControl("stop")
            compare(ui_View.loadMacroIni(name), ["B" + down, "B" + up])
            mouseClick(control("keyCapture"), 10, 10)
            verify(page.isSelectKey)
            undoKey()
            compare(ui_View.loadMacroIni(name), ["B" + down, "B" + up], "the key capture waits for its key")
            mouseClick(control("keyCapture"), 10, 10)
            undoKey()
            compare(ui_View.loadMacroIni(name), ["A" + down, "A" + up], "back to before the recording")
            compare(page.getAllMacroActions(), ["A" + down, "A" + up])
        }

        function test_macroHistoryStartsWhenAMacroIsOpened() {
            showPage(1)
            const name = recordMacro([0x04])
            selectLine(0)
            clickMacroControl("editDelete")
            settle()
            const view = control("macroList").lvItems
            mouseClick(control("macroList"), 30, 10)
            compare(view.currentIndex, -1)
            mouseClick(control("macroList"), 30, 10)
            compare(page.getCurrentMacroName(), name)
            verify(!page.undo(), "opening the macro starts its history")
            compare(ui_View.loadMacroIni(name), ["A" + up])
        }

        // An undo in the macro editor is an edit like the others: the file takes the lines, and
        // a macro with a slot goes to the keyboard as every edit of it does.
        function test_undoOfAMacroWithASlotStoresAndSendsItLikeAnEdit() {
            showPage(1)
            const name = recordMacro([0x04])
            ui_View.setMacroIniConfig(name, [3, 1])
            selectLine(0)
            clickMacroControl("editDelete")
            verify(z9.waitIdle())
            compare(z9.macroSlot(3), macroBlock(["A" + up]))
            undoKey()
            verify(z9.waitIdle())
            compare(z9.macroSlot(3), macroBlock(["A" + down, "A" + up]))
        }

        // --- shortcuts ---

        function test_shortcutsWaitWhileTheQuestionIsOpen() {
            showPage(3)
            const speed = control("speedSlider")
            clickSlider("speedSlider", false)
            mouseClick(findChild(scene, "closeButton"), 5, 5)
            verify(findChild(scene, "askDialog").visible)
            undoKey()
            compare(speed.currentIndex, 0)
            keyClick(Qt.Key_Escape)
            undoKey()
            compare(speed.currentIndex, 4, "the question gives the keys back once it closes")
        }
    }
}
