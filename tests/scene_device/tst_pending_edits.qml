import QtQuick
import QtTest
import "../scene"

// Edits not applied yet, in the whole scene on the real controller and a virtual keyboard: the
// marks that show them, and the question before a profile change or closing would lose them.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        id: test
        name: "PendingEdits"

        property var scene: null
        property var keyPage: null
        property var colorPage: null
        property var backPage: null

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            tryCompare(findChild(scene, "pages"), "x", 0)
            keyPage = devicePage(scene, 0, "_Page_Keydefine")
            colorPage = devicePage(scene, 2, "_Page_Color")
            backPage = devicePage(scene, 3, "_Page_Backlight")
            z9.clearRecord()
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        function dialog() {
            return findChild(scene, "askDialog")
        }

        function menuProf() {
            return findChild(scene, "menuProf")
        }

        function caps() {
            return findChild(keyPage, "keyboard").keys_matrix[2]
        }

        // One edit per page, as its controls leave it.
        function editPage(page) {
            if (page === "key")
                caps().setCode([0, 0, 0x04, 0])
            else if (page === "color")
                colorPage.selectEffect(1, 1)
            else
                findChild(backPage, "speedSlider").setCurIndex(0)
        }

        function pageOf(page) {
            return page === "key" ? keyPage : page === "color" ? colorPage : backPage
        }

        function clickProfile(index) {
            mouseClick(findChild(menuProf(), "profile" + index), 10, 10)
        }

        function answer(how) {
            if (how === "Enter")
                keyClick(Qt.Key_Return)
            else if (how === "Esc")
                keyClick(Qt.Key_Escape)
            else
                mouseClick(findChild(dialog(), how), 10, 8)
            verify(!dialog().visible)
        }

        // --- the marks ---

        function test_anEditMarksItsApplyButtonAndMenuEntryUntilApplied_data() {
            return [
                { tag: "key definition", page: "key", entry: 0 },
                { tag: "key lighting", page: "color", entry: 2 },
                { tag: "back lighting", page: "back", entry: 3 },
            ]
        }

        function test_anEditMarksItsApplyButtonAndMenuEntryUntilApplied(data) {
            const page = pageOf(data.page)
            const applyMark = findChild(findChild(page, "applyButton"), "pendingMark")
            const menuMark = findChild(findChild(scene, "menuFunc"), "pendingMark" + data.entry)
            verify(!page.hasPendingEdits)
            // The apply button's mark shows with its page; the menu's shows whichever page is shown.
            verify(!applyMark.shown && !menuMark.visible)
            editPage(data.page)
            verify(page.hasPendingEdits)
            verify(applyMark.shown && menuMark.visible)
            page[findChild(scene, "main_Z9").pageSlots[data.entry].applyFunction]()
            verify(!page.hasPendingEdits, "apply stores what the page holds")
            verify(!applyMark.shown && !menuMark.visible)
        }

        function test_goingBackToTheStoredValueClearsTheMark_data() {
            return [
                { tag: "key reset button", page: "key" },
                { tag: "back lighting value set back", page: "back" },
            ]
        }

        function test_goingBackToTheStoredValueClearsTheMark(data) {
            editPage(data.page)
            verify(pageOf(data.page).hasPendingEdits)
            if (data.page === "key") {
                keyPage.curKeyMatrix = 2
                keyPage.resetKey()
            } else {
                findChild(backPage, "speedSlider").setCurIndex(4)
            }
            verify(!pageOf(data.page).hasPendingEdits)
        }

        function test_aPictureNotSentByApplyStaysPending() {
            colorPage.selectEffect(0, 0)
            colorPage.setPicture(1, new Array(512).fill(7))
            colorPage.apply()
            verify(colorPage.hasPendingEdits, "apply sends only USER DEFINE 1, not the painted picture 2")
            colorPage.setPicture(1, new Array(512).fill(0))
            verify(!colorPage.hasPendingEdits)
        }

        // --- the question ---

        function test_withoutEditsNothingAsks() {
            clickProfile(2)
            verify(!dialog().visible)
            compare(menuProf().currentIndex, 2)
            compare(z9.frameCodes(), [0x02])
            mouseClick(findChild(scene, "closeButton"), 5, 5)
            verify(!dialog().visible)
            tryCompare(scene, "height", 0)
        }

        function test_cancelKeepsTheEditTheProfileAndTheWire_data() {
            return [
                { tag: "button", how: "askCancel" },
                { tag: "Esc", how: "Esc" },
            ]
        }

        function test_cancelKeepsTheEditTheProfileAndTheWire(data) {
            editPage("key")
            clickProfile(2)
            verify(dialog().visible)
            answer(data.how)
            compare(menuProf().currentIndex, 0)
            compare(caps().code(), [0, 0, 0x04, 0])
            verify(keyPage.hasPendingEdits)
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [])
            compare(z9.storedKey(0, 2), [])
        }

        function test_discardSwitchesAndReloads() {
            z9.setProfileValue(2, "keydefine/2", [0, 0, 0x39, 0])
            editPage("key")
            clickProfile(2)
            answer("askDiscard")
            compare(menuProf().currentIndex, 2)
            compare(caps().code(), [0, 0, 0x39, 0], "the page shows what profile 2 holds")
            verify(!keyPage.hasPendingEdits)
            verify(z9.waitIdle())
            compare(z9.frameCodes(), [0x02])
        }

        function test_applySendsThePagesApplyThenSwitches_data() {
            return [
                { tag: "key table, Enter", page: "key", how: "Enter", codes: [0x0D, 0x02] },
                { tag: "key lighting, button", page: "color", how: "askApply",
                  codes: [0x08, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x14, 0x08, 0x02] },
                { tag: "back lighting, button", page: "back", how: "askApply", codes: [0x15, 0x02] },
            ]
        }

        function test_applySendsThePagesApplyThenSwitches(data) {
            editPage(data.page)
            clickProfile(2)
            answer(data.how)
            verify(z9.waitIdle())
            compare(z9.frameCodes(), data.codes)
            compare(menuProf().currentIndex, 2)
            verify(!pageOf(data.page).hasPendingEdits)
            if (data.page === "key")
                compare(z9.storedKey(0, 2).map(Number), [0, 0, 0x04, 0], "the edit went to the profile it was made in")
        }

        function test_resetOfTheCurrentProfileAsks() {
            editPage("back")
            mouseClick(findChild(menuProf(), "profile0"), 30, 12, Qt.RightButton)
            tryCompare(findChild(menuProf(), "contextMenu"), "opacity", 1)
            mouseClick(findChild(menuProf(), "contextEntry2"), 10, 10)
            verify(dialog().visible)
            answer("Esc")
            verify(backPage.hasPendingEdits)
            compare(z9.frameCodes(), [])
        }

        function test_closingWithEditsAsks() {
            editPage("color")
            mouseClick(findChild(scene, "closeButton"), 5, 5)
            verify(dialog().visible)
            answer("Esc")
            wait(50)
            compare(scene.height, 600, "Cancel keeps the window")
            mouseClick(findChild(scene, "closeButton"), 5, 5)
            answer("askDiscard")
            tryCompare(scene, "height", 0)
            compare(z9.frameCodes(), [])
        }
    }
}
