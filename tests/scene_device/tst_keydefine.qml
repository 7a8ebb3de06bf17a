import QtQuick
import QtTest
import "../scene"

// The key definition page in the whole scene, on the real controller and a virtual keyboard.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        id: test
        name: "KeyDefine"

        property var scene: null
        property var page: null

        readonly property var pressA: "A    [Down]"
        readonly property var releaseA: "A      [Up]"

        // --- fixtures ---

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            tryCompare(findChild(scene, "pages"), "x", 0)
            page = devicePage(scene, 0, "_Page_Keydefine")
            verify(page.visible)
            z9.clearRecord()
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        function control(name) {
            return findChild(page, name)
        }

        function key(matrix) {
            return findChild(page, "keyboard").keys_matrix[matrix]
        }

        function codeOf(matrix) {
            return key(matrix).code()
        }

        // The pointer comes over the key first, as a hand moves it.
        function clickKey(matrix) {
            const item = key(matrix)
            mouseMove(item, item.width / 2, item.height / 2)
            mouseClick(item, item.width / 2, item.height / 2)
        }

        // Presses a key, moves the pointer to the middle of target and releases it there.
        function dragKeyOnto(matrix, target) {
            const item = key(matrix)
            const to = target.mapToItem(item, target.width / 2, target.height / 2)
            mousePress(item, item.width / 2, item.height / 2)
            mouseMove(item, to.x, to.y, -1, Qt.LeftButton)
            mouseRelease(item, to.x, to.y)
        }

        function switchGamingMode() {
            const box = control("gamingMode")
            mouseClick(box, 5, box.height / 2)
        }

        // Opens a drop-down and clicks its entry.
        function chooseFromList(list, index) {
            mouseClick(list, 20, 11)
            tryCompare(list, "isSelect", true)
            mouseClick(list, 20, 22 + index * 22 + 11)
            tryCompare(list, "isSelect", false)
        }

        // Opens the macro list, which reads the library again, and clicks a row.
        function chooseMacro(index) {
            const list = control("_menu2_4")
            mouseClick(list, 20, 11)
            tryCompare(list, "isSelect", true)
            mouseClick(list, 20, 22 + index * 19 + 10)
            tryCompare(list, "isSelect", false)
        }

        // Macros in the library, named as the controller names them; each holds one keystroke of
        // A and owns the given slot (-1: none).
        function makeMacros(slots) {
            const names = []
            for (const slot of slots) {
                const name = ui_View.createMacroIni()
                verify(ui_View.saveMacroIni(name, [pressA, releaseA]))
                ui_View.setMacroIniConfig(name, [slot, 1])
                names.push(name)
            }
            return names
        }

        // Stores codes in the current profile (matrix position -> code) and lets the page read them.
        function storeCodes(codes) {
            for (const matrix in codes)
                z9.setProfileValue(0, "keydefine/" + matrix, codes[matrix])
            page.initUI()
        }

        function slotOf(name) {
            return ui_View.loadMacroIniConfig(name)[0]
        }

        // The device block of a macro: its encoding padded with zeros to 192 bytes.
        function macroBlock(lines) {
            const block = ui_View.macroIncode(lines)
            while (block.length < 192)
                block.push(0)
            return block
        }

        // --- selection and the picture ---

        function test_freshStartSelectsEscAndShowsItsCode() {
            compare(page.curKeyMatrix, 4)
            verify(key(4).isSelect)
            compare(key(4).name, "Esc")
            compare(control("_menu1").currentIndex, 0)
            compare(control("_menu2_0").keycodeUSB, 0x29)
            compare(control("_menu2_0").keyname, "Esc")
            verify(!control("controls").enabled, "the gaming-mode box starts off")
            compare(control("controls").opacity, 0.2)
        }

        function test_clickSelectsAndShowsTheKey_data() {
            return [
                { tag: "single key", matrix: 8, menu: 0 },
                { tag: "Fn shows no menu", matrix: 60, menu: -1 },
            ]
        }

        function test_clickSelectsAndShowsTheKey(data) {
            clickKey(data.matrix)
            compare(page.curKeyMatrix, data.matrix)
            verify(key(data.matrix).isSelect)
            verify(!key(4).isSelect)
            compare(control("_menu1").currentIndex, data.menu)
        }

        function test_hiddenPositionsHaveNoPictureAndKeepTheirCode() {
            const hidden = key(85)
            compare(hidden.name, "M1")
            compare(hidden.keyType, 0)
            verify(!hidden.visible)
            compare(hidden.code(), [0x00, 0xE0, 0x1F, 0x00])
            storeCodes({ 85: [0, 0xE0, 0x20, 0] })
            compare(hidden.code(), [0x00, 0xE0, 0x20, 0x00])
        }

        // --- drag and drop ---

        function test_dragOntoKeyboardInputGivesTheSourcesFactoryCode() {
            switchGamingMode()
            clickKey(2)
            compare(key(2).name, "Caps")
            verify(key(2).isDefault)
            const input = control("_menu2_0")
            const copy = control("dragCopy")
            const a = key(8)
            mousePress(a, 5, 5)
            verify(copy.visible)
            compare(copy.opacity, 1.0)
            const over = input.mapToItem(a, 1, 1)
            mouseMove(a, over.x, over.y, -1, Qt.LeftButton)
            compare(copy.opacity, 0.5, "the copy shows that it lies on an input")
            verify(input.isIn)
            mouseRelease(a, over.x, over.y)
            verify(!copy.visible)
            compare(codeOf(2), [0x00, 0x00, 0x04, 0x00])
            verify(!key(2).isDefault)
            verify(Qt.colorEqual(key(2).labelColor, scene.globalSetting_color))
            compare(findChild(key(2), "keyFrame").opacity, 1.0, "still selected")
            compare(input.keyname, "A")
            compare(page.curKeyMatrix, 2, "a drag does not select its source")
            clickKey(8)
            mouseMove(page, 700, 420)
            compare(findChild(key(2), "keyFrame").opacity, 0.5, "a changed key keeps a faint frame")
            compare(codeOf(8), [0x00, 0x00, 0x04, 0x00])
        }

        function test_dropEdgesCountAsInside_data() {
            return [
                { tag: "top left corner", dx: 0, dy: 0, inside: true },
                { tag: "bottom right corner", dx: 1, dy: 1, inside: true },
                { tag: "just left", dx: -0.02, dy: 0.5, inside: false },
                { tag: "just below", dx: 0.5, dy: 1.05, inside: false },
            ]
        }

        function test_dropEdgesCountAsInside(data) {
            switchGamingMode()
            clickKey(2)
            const input = control("_menu2_0")
            const point = Qt.point(input.x + data.dx * input.width, input.y + data.dy * input.height)
            compare(page.inputsUnder(point).length, data.inside ? 1 : 0)
        }

        function test_dropsNeedGamingMode() {
            clickKey(2)
            dragKeyOnto(8, control("_menu2_0"))
            compare(codeOf(2), [0x00, 0x00, 0x39, 0x00])
        }

        function test_comboBuildsACombinationFromDrops() {
            switchGamingMode()
            clickKey(9)
            chooseFromList(control("_menu1"), 2)
            verify(control("_menu2_3_KI1").visible)
            compare(codeOf(9), [0x00, 0x00, 0x14, 0x00], "choosing a menu keeps the code")
            dragKeyOnto(0, control("_menu2_3_KI1"))
            dragKeyOnto(19, control("_menu2_3_KI2"))
            compare(codeOf(9), [0x00, 0xE0, 0x06, 0x00])
            compare(control("_menu2_3_KI1").keyname, "L Ctrl")
            compare(control("_menu2_3_KI2").keyname, "C")
            compare(control("_menu2_3_KI3").keycodeUSB, -1)
        }

        function test_allZeroCodeShowsComboWithThreeEmptyInputs() {
            storeCodes({ 20: [0, 0, 0, 0] })
            clickKey(20)
            compare(control("_menu1").currentIndex, 2)
            for (const name of ["_menu2_3_KI1", "_menu2_3_KI2", "_menu2_3_KI3"]) {
                verify(control(name).visible)
                compare(control(name).keycodeUSB, -1)
                compare(findChild(control(name), "keyText").text, "【 KEYS 】")
            }
        }

        function test_clickOnAnotherKeyLeavesTheSelectedKeysCode() {
            storeCodes({ 22: [3, 0, 0xB5, 0] })
            switchGamingMode()
            clickKey(22)
            chooseFromList(control("_menu1"), 2)
            clickKey(28)
            compare(codeOf(22), [0x03, 0x00, 0xB5, 0x00])
            compare(page.curKeyMatrix, 28)
        }

        function test_comboDropOnAMediaKeyStartsAfresh() {
            storeCodes({ 22: [3, 0, 0xB5, 0] })
            switchGamingMode()
            clickKey(22)
            chooseFromList(control("_menu1"), 2)
            dragKeyOnto(8, control("_menu2_3_KI1"))
            compare(codeOf(22), [0x00, 0x04, 0x00, 0x00])
        }

        // --- clearing inputs and reset ---

        function test_clearingAnInput_data() {
            return [
                { tag: "KEYBOARD clears the whole code", code: [0, 0, 0x05, 0], menu: 0,
                  input: "_menu2_0", expected: [0, 0, 0, 0] },
                { tag: "COMBO 1", code: [0, 0xE0, 0x06, 0xE1], menu: 2, input: "_menu2_3_KI1",
                  expected: [0, 0, 0x06, 0xE1] },
                { tag: "COMBO 2", code: [0, 0xE0, 0x06, 0xE1], menu: 2, input: "_menu2_3_KI2",
                  expected: [0, 0xE0, 0, 0xE1] },
                { tag: "COMBO 3", code: [0, 0xE0, 0x06, 0xE1], menu: 2, input: "_menu2_3_KI3",
                  expected: [0, 0xE0, 0x06, 0] },
            ]
        }

        function test_clearingAnInput(data) {
            storeCodes({ 31: data.code })
            switchGamingMode()
            clickKey(31)
            compare(control("_menu1").currentIndex, data.menu)
            const input = control(data.input)
            mouseMove(input, input.width / 2, input.height / 2)
            compare(findChild(input, "keyText").text, "╳")
            mouseClick(input, input.width / 2, input.height / 2)
            compare(codeOf(31), data.expected)
            compare(input.keycodeUSB, -1)
        }

        function test_resetRestoresTheFactoryCode() {
            storeCodes({ 31: [3, 0, 0xE2, 0] })
            switchGamingMode()
            clickKey(31)
            compare(control("_menu1").currentIndex, 1)
            mouseClick(control("resetButton"), 10, 10)
            compare(codeOf(31), [0x00, 0x00, 0x05, 0x00])
            verify(key(31).isDefault)
            compare(control("_menu1").currentIndex, 0)
            compare(control("_menu2_0").keyname, "B")
        }

        // --- media ---

        function test_mediaChoiceGivesTheConsumerUsage_data() {
            return [
                { tag: "NEXT TRACK", index: 0, code: [0x03, 0x00, 0xB5, 0x00] },
                { tag: "PLAY / PAUSE", index: 3, code: [0x03, 0x00, 0xCD, 0x00] },
                { tag: "MEDIA SELECT", index: 7, code: [0x03, 0x00, 0x83, 0x01] },
                { tag: "WWW FAVORITES", index: 17, code: [0x03, 0x00, 0x2A, 0x02] },
            ]
        }

        function test_mediaChoiceGivesTheConsumerUsage(data) {
            switchGamingMode()
            clickKey(41)
            chooseFromList(control("_menu1"), 1)
            const media = control("_menu2_2")
            compare(media.mdItems.count, 18)
            chooseFromList(media, data.index)
            compare(codeOf(41), data.code)
            clickKey(8)
            clickKey(41)
            compare(control("_menu1").currentIndex, 1)
            compare(media.getCurIndex(), data.index, "the list shows the key's function again")
        }

        // --- keyCodeToUI ---

        function test_keyCodeToUIShowsEachKind_data() {
            return [
                { tag: "single key", code: [0, 0, 0x04, 0], menu: 0, keyboard: "A" },
                { tag: "combination", code: [0, 0xE0, 0x06, 0], menu: 2, combo: ["L Ctrl", "C", ""] },
                { tag: "id without a name", code: [0, 0, 0x31, 0], menu: 0, keyboard: "" },
                { tag: "media", code: [3, 0, 0xE9, 0], menu: 1, media: 5 },
                { tag: "unknown media", code: [3, 0, 0x01, 0], menu: 1, media: -1 },
                { tag: "media with byte 1 set changes nothing", code: [3, 1, 0xE9, 0], menu: 0,
                  keyboard: "Esc" },
                { tag: "macro with byte 3 set changes nothing", code: [4, 1, 2, 1], menu: 0,
                  keyboard: "Esc" },
                { tag: "Fn", code: [2, 0, 0, 0], menu: -1 },
            ]
        }

        function test_keyCodeToUIShowsEachKind(data) {
            page.keyCodeToUI(data.code[0], data.code[1], data.code[2], data.code[3])
            compare(control("_menu1").currentIndex, data.menu)
            if (data.keyboard !== undefined)
                compare(control("_menu2_0").keyname, data.keyboard)
            if (data.media !== undefined)
                compare(control("_menu2_2").getCurIndex(), data.media)
            if (data.combo !== undefined) {
                for (let i = 0; i < 3; ++i)
                    compare(control("_menu2_3_KI" + (i + 1)).keyname, data.combo[i])
            }
        }

        function test_keyCodeToUISelectsTheLastMacroWithTheSlot() {
            makeMacros([3, 4, 3])
            page.keyCodeToUI(4, 1, 3, 0)
            compare(control("_menu1").currentIndex, 3)
            compare(control("_menu2_4").mdItems.count, 3, "the list was read again")
            compare(control("_menu2_4").getCurIndex(), 2)
            page.keyCodeToUI(4, 1, 9, 0)
            compare(control("_menu2_4").getCurIndex(), -1)
        }

        // --- macros and their slots ---

        function test_macroWithoutSlotGetsTheLowestFreeOne() {
            const names = makeMacros([0, -1, 2])
            storeCodes({ 10: [4, 1, 0, 0], 16: [4, 1, 2, 0] })
            switchGamingMode()
            clickKey(22)
            chooseFromList(control("_menu1"), 3)
            chooseMacro(1)
            compare(codeOf(22), [0x04, 0x01, 0x01, 0x00])
            compare(ui_View.loadMacroIniConfig(names[1]), [1, 1])
            compare(z9.frames(0x11).length, 1)
            compare(z9.macroSlot(1), macroBlock([pressA, releaseA]))
            compare(slotOf(names[0]), 0)
            compare(slotOf(names[2]), 2)
        }

        function test_macroWithASlotIsAssignedWithoutSending() {
            const names = makeMacros([7])
            ui_View.setMacroIniConfig(names[0], [7, 3])
            switchGamingMode()
            chooseFromList(control("_menu1"), 3)
            chooseMacro(0)
            compare(codeOf(4), [0x04, 0x03, 0x07, 0x00])
            compare(z9.frames(0x11).length, 0)
        }

        function test_macroKeyChangedToMediaFreesItsSlot() {
            const names = makeMacros([3])
            storeCodes({ 22: [4, 1, 3, 0] })
            switchGamingMode()
            clickKey(22)
            compare(control("_menu1").currentIndex, 3)
            compare(control("_menu2_4").getCurIndex(), 0)
            chooseFromList(control("_menu1"), 1)
            chooseFromList(control("_menu2_2"), 0)
            compare(codeOf(22), [0x03, 0x00, 0xB5, 0x00])
            compare(slotOf(names[0]), -1)
        }

        function test_sharedSlotStaysUntilTheLastKeyLetsGo() {
            const names = makeMacros([3])
            storeCodes({ 22: [4, 1, 3, 0], 28: [4, 1, 3, 0] })
            switchGamingMode()
            clickKey(22)
            mouseClick(control("resetButton"), 10, 10)
            compare(codeOf(22), [0x00, 0x00, 0x20, 0x00])
            compare(slotOf(names[0]), 3, "key 28 still uses the slot")
            clickKey(28)
            mouseClick(control("resetButton"), 10, 10)
            compare(slotOf(names[0]), -1)
        }

        function test_comboDropOnAMacroKeyReleasesItsSlot() {
            const names = makeMacros([5])
            storeCodes({ 22: [4, 1, 5, 0] })
            switchGamingMode()
            clickKey(22)
            chooseFromList(control("_menu1"), 2)
            dragKeyOnto(8, control("_menu2_3_KI1"))
            compare(codeOf(22), [0x00, 0x04, 0x00, 0x00])
            compare(slotOf(names[0]), -1)
        }

        function test_clearingAMacroKeysInputReleasesItsSlot() {
            const names = makeMacros([5])
            storeCodes({ 22: [4, 1, 5, 0] })
            switchGamingMode()
            clickKey(22)
            chooseFromList(control("_menu1"), 2)
            const input = control("_menu2_3_KI2")
            mouseClick(input, input.width / 2, input.height / 2)
            compare(codeOf(22), [0, 0, 0, 0], "no longer slot 0's macro")
            compare(slotOf(names[0]), -1)
        }

        function test_macroChoiceThatCannotBeServedLeavesTheKeyEmpty_data() {
            return [ { tag: "file gone" }, { tag: "all 35 slots taken" } ]
        }

        function test_macroChoiceThatCannotBeServedLeavesTheKeyEmpty(data) {
            const names = makeMacros([-1])
            if (data.tag === "file gone") {
                page.refreshMacroList()
                verify(z9.removeMacroFile(names[0]))
            } else {
                const codes = {}
                for (let slot = 0; slot < 35; ++slot)
                    codes[40 + slot] = [4, 1, slot, 0]
                storeCodes(codes)
            }
            switchGamingMode()
            clickKey(8)
            chooseFromList(control("_menu1"), 3)
            // The open list reads the library again, so the vanished file is chosen from the
            // list as it was filled.
            control("_menu2_4").listElementClicked(0)
            compare(codeOf(8), [0, 0, 0, 0])
            compare(z9.frames(0x11).length, 0)
            if (data.tag !== "file gone")
                compare(slotOf(names[0]), -1)
        }

        // --- apply, gaming mode, profiles ---

        function test_applySendsTheWholeTableAndStoresIt() {
            switchGamingMode()
            clickKey(2)
            dragKeyOnto(8, control("_menu2_0"))
            z9.clearRecord()
            mouseClick(control("applyButton"), 10, 10)
            compare(z9.frames(0x0D).length, 1)
            const sent = z9.payload(0x0D)
            compare(sent.length, 512)
            compare(sent.slice(504), [0, 0, 0, 0, 0, 0, 0, 0])
            for (let matrix = 0; matrix < 126; ++matrix) {
                const expected = codeOf(matrix)
                compare(sent.slice(4 * matrix, 4 * matrix + 4), expected, "key " + matrix)
                compare(z9.storedKey(0, matrix).map(Number), expected, "stored key " + matrix)
            }
            compare(sent.slice(8, 12), [0, 0, 0x04, 0])
            compare(z9.keyMatrix(), sent)
        }

        function test_editsReachNothingBeforeApply() {
            switchGamingMode()
            clickKey(2)
            dragKeyOnto(8, control("_menu2_0"))
            chooseFromList(control("_menu1"), 1)
            chooseFromList(control("_menu2_2"), 4)
            compare(z9.frames(0x0D).length, 0)
            compare(z9.storedKey(0, 2), [])
        }

        function test_gamingBoxSwitchesTheKeyboardsMode() {
            switchGamingMode()
            verify(control("controls").enabled)
            compare(control("controls").opacity, 1.0)
            switchGamingMode()
            verify(!control("controls").enabled)
            const frames = z9.frames(0x09)
            compare(frames.length, 2)
            compare(frames[0].slice(0, 3), [0x00, 0x09, 0x01])
            compare(frames[1].slice(0, 3), [0x00, 0x09, 0x00])
        }

        function test_profileSwitchReloadsTheTable() {
            z9.setProfileValue(2, "keydefine/4", [0, 0, 0x05, 0])
            z9.setProfileValue(2, "keydefine/8", ["3", "0", "226", "0"])
            const menuProf = findChild(scene, "menuProf")
            mouseClick(findChild(menuProf, "profile2"), 10, 10)
            compare(z9.frames(0x02).length, 1)
            compare(codeOf(4), [0x00, 0x00, 0x05, 0x00])
            compare(codeOf(8), [0x03, 0x00, 0xE2, 0x00], "decimal texts as after a restart")
            compare(control("_menu2_0").keyname, "B", "the selected key shows its new code")
        }

        function test_unusableStoredCodesKeepTheKeysCode_data() {
            return [
                { tag: "missing", value: undefined },
                { tag: "short", value: [0, 0, 4] },
                { tag: "long", value: [0, 0, 4, 0, 0] },
                { tag: "text", value: "junk" },
                { tag: "junk elements", value: ["a", "b", "c", "d"] },
                { tag: "empty element", value: ["0", "", "4", "0"] },
                { tag: "beyond a byte", value: [0, 0, 300, 0] },
                { tag: "negative", value: [0, 0, -4, 0] },
            ]
        }

        function test_unusableStoredCodesKeepTheKeysCode(data) {
            z9.setProfileValue(0, "keydefine/2", [0, 0, 0x2A, 0])
            page.initUI()
            compare(codeOf(2), [0, 0, 0x2A, 0])
            z9.setProfileValue(0, "keydefine/2", data.value)
            page.initUI()
            compare(codeOf(2), [0, 0, 0x2A, 0])
            compare(z9.frames(0x0D).length, 0, "nothing reaches the keyboard")
        }

        // --- languages ---

        function test_translateStrings_data() {
            return [ { tag: "ENGLISH" }, { tag: "CHINESE (CN)" }, { tag: "CHINESE (TW)" } ]
        }

        function test_translateStrings(data) {
            const settings = findChild(scene, "_Page_Globalsetting")
            // The settings page lists the languages in the order the tool reports them.
            const languages = ui_View.chkLanguages()
            const index = Object.keys(languages).indexOf(data.tag)
            verify(index >= 0, "the language is shipped")
            const strings = ui_View.getGlobalStrings(String(languages[data.tag]))
            settings.setLanguage(index)
            const menu = control("_menu1").mdItems
            const labels = [46, 48, 49, 50]
            for (let i = 0; i < labels.length; ++i)
                compare(menu.get(i).textX, strings[labels[i]])
            const media = control("_menu2_2").mdItems
            for (let i = 0; i < 18; ++i)
                compare(media.get(i).textX, strings[56 + i])
            compare(findChild(page, "gamingModeText").text, strings[79])
        }

        // --- the picture against the hardware definition ---

        function test_pictureAgreesWithTheHardwareDefinitionKeyByKey() {
            const definition = ui_View.loadHWDef()
            const rows = definition[2]
            compare(rows.length, Number(definition[0]))
            compare(findChild(page, "keyboard").keys_matrix.length, Number(definition[1]))
            const described = {}
            for (const row of rows) {
                const matrix = Number(row[5])
                const item = key(matrix)
                described[matrix] = true
                compare(item.x, Number(row[1]), row[4] + " x")
                compare(item.y, Number(row[2]), row[4] + " y")
                compare(item.keyType, Number(row[3]), row[4] + " type")
                compare(item.name, String(row[4]))
                const code = parseInt(String(row[6]), 16)
                compare(item.keyCode_Default, [(code >> 24) & 0xFF, (code >> 16) & 0xFF, (code >> 8) & 0xFF, code & 0xFF],
                        row[4] + " factory code")
            }
            for (const item of findChild(page, "keyboard").keys_matrix)
                compare(item.visible, described[item.matrix] === true, item.name + " shown as described")
        }

        function test_keysLieApartInsideThePageWithLegibleLabels() {
            const keyboard = findChild(page, "keyboard")
            const shown = keyboard.keys_matrix.filter(item => item.visible)
            compare(shown.length, 104)
            for (const item of shown) {
                verify(item.width > 0 && item.height > 0, item.name + " has its key cap")
                const corner = item.mapToItem(page, item.width, item.height)
                verify(corner.x <= page.width && corner.y <= page.height, item.name + " inside the page")
                const label = findChild(item, "keyLabel")
                verify(label.contentWidth <= item.width - 4, item.name + " label fits its cap")
                for (const other of shown) {
                    if (other === item)
                        continue
                    const apart = item.x + item.width <= other.x || other.x + other.width <= item.x
                        || item.y + item.height <= other.y || other.y + other.height <= item.y
                    verify(apart, item.name + " and " + other.name + " do not overlap")
                }
            }
            verify(keyboard.y + keyboard.height < findChild(page, "gamingMode").y,
                   "the gaming-mode box lies below the picture")
        }
    }
}
