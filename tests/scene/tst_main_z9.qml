import QtQuick
import QtTest

Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        name: "MainZ9"

        property var scene: null

        function init() {
            ui_View.clearCalls()
            ui_View.apConfig = configList({})
            ui_View.languages = {}
            ui_View.hwDef = [3, 126, [["1", "30", "0", "1", "Esc", "4", "2900"], ["1", "60", "0", "1", "A", "8", "0400"],
                                      ["1", "90", "0", "1", "B", "31", "0500"], ["1", "0", "0", "1", "C", "19", "0600"]]]
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            // The first page has slid in completely.
            tryCompare(findChild(scene, "pages"), "x", 0)
            tryCompare(findChild(scene, "menuProf"), "x", 1000 - findChild(scene, "menuProf").width - 8)
            ui_View.clearCalls()
        }

        function test_keyCodeStringsBuildTheMatrixTablesFromTheHardwareDefinition() {
            const z9 = findChild(scene, "main_Z9")
            const table = z9.keyCodeString()
            compare(table.keycodeTomatrix(0x29), 4)
            compare(table.keycodeTomatrix(0x04), 8)
            compare(table.keycodeTomatrix(0x05), 31)
            compare(table.keycodeTomatrix(0x06), undefined, "only the first total_HW rows count")
        }

        function test_keyNameTableHasBothDirections_data() {
            return [
                { tag: "A", code: 0x04, name: "A" },
                { tag: "KP 7 with its blank", code: 0x5F, name: "KP 7 " },
                { tag: "Intl'2", code: 0x88, name: "Intl'2" },
                { tag: "Int'l 2", code: 0x89, name: "Int'l 2" },
                { tag: "backslash", code: 0x32, name: "\\ |" },
                { tag: "quote", code: 0x34, name: "' \"" },
                { tag: "right arrow", code: 0x4F, name: "►" },
                { tag: "R GUI", code: 0xE7, name: "R GUI" },
            ]
        }

        function test_keyNameTableHasBothDirections(data) {
            const table = findChild(scene, "main_Z9").keyCodeString()
            compare(table.keycodeTostr(data.code), data.name)
            compare(table.strTokeycode(data.name), data.code)
        }

        function test_keyNameTableGaps() {
            const table = findChild(scene, "main_Z9").keyCodeString()
            compare(table.keyNames.length, 127)
            compare(table.keycodeTostr(0x31), undefined)
            compare(table.keycodeTostr(0), undefined)
            compare(table.strTokeycode("KP 7"), undefined)
            compare(table.strTokeycode("a"), undefined)
        }

        function test_leftClickSwitchesTheProfile() {
            const menuProf = findChild(scene, "menuProf")
            const entry = findChild(menuProf, "profile3")
            mouseClick(entry, 10, 10)
            compare(menuProf.currentIndex, 3)
            compare(ui_View.calls(), [["ui_02H_SetCurrentProfile", 3]])
            mouseClick(entry, 10, 10)
            compare(ui_View.calls().length, 1, "the current profile is not sent again")
        }

        function test_contextMenuOpensAtThePointer() {
            const menuProf = findChild(scene, "menuProf")
            const contextMenu = findChild(menuProf, "contextMenu")
            verify(!contextMenu.visible)
            mouseClick(findChild(menuProf, "profile2"), 30, 12, Qt.RightButton)
            verify(contextMenu.visible)
            compare(contextMenu.width, 45)
            compare(contextMenu.x, 30 - 45)
            compare(contextMenu.y, 2 * 26 + 12 + 85)
            tryCompare(contextMenu, "opacity", 1)
            compare(ui_View.calls().length, 0, "a right click switches nothing")
            compare(menuProf.currentIndex, 0)
        }

        function test_clickOutsideClosesTheContextMenu() {
            const menuProf = findChild(scene, "menuProf")
            const contextMenu = findChild(menuProf, "contextMenu")
            mouseClick(findChild(menuProf, "profile1"), 30, 12, Qt.RightButton)
            tryCompare(contextMenu, "opacity", 1)
            mouseClick(scene, 500, 300)
            tryCompare(contextMenu, "visible", false)
            compare(ui_View.calls().length, 0)
        }

        function test_contextMenuCallsItsSlots_data() {
            return [
                { tag: "LOAD another", entry: 0, profile: 2, calls: [["loadProfile", 2]] },
                { tag: "LOAD current", entry: 0, profile: 0,
                  calls: [["loadProfile", 0], ["ui_02H_SetCurrentProfile", 0]] },
                { tag: "SAVE current", entry: 1, profile: 0, calls: [["saveProfile", 0]] },
                { tag: "RESET another", entry: 2, profile: 5, calls: [["resetProfile", 5]] },
                { tag: "RESET current", entry: 2, profile: 0,
                  calls: [["resetProfile", 0], ["ui_02H_SetCurrentProfile", 0]] },
                { tag: "CANCEL", entry: 3, profile: 1, calls: [] },
            ]
        }

        function test_contextMenuCallsItsSlots(data) {
            const menuProf = findChild(scene, "menuProf")
            const contextMenu = findChild(menuProf, "contextMenu")
            mouseClick(findChild(menuProf, "profile" + data.profile), 40, 10, Qt.RightButton)
            const item = findChild(contextMenu, "contextEntry" + data.entry)
            mouseClick(item, item.width / 2, item.height / 2)
            compare(ui_View.calls(), data.calls)
            tryCompare(contextMenu, "visible", false)
            compare(menuProf.currentIndex, 0)
        }

        function test_profileMenuWaitsWhileTheMacroPageIsShown() {
            const menuProf = findChild(scene, "menuProf")
            mouseClick(findChild(scene, "funcEntry1"), 20, 10)
            tryCompare(findChild(scene, "pageArea"), "curID", 1)
            verify(!menuProf.enabled)
            mouseClick(findChild(menuProf, "profile4"), 10, 10)
            compare(ui_View.callsOf("ui_02H_SetCurrentProfile").length, 0)
        }

        function test_functionMenuSwitchesPages() {
            const pageArea = findChild(scene, "pageArea")
            const pages = findChild(scene, "pages")
            compare(pageArea.curID, 0)
            mouseClick(findChild(scene, "funcEntry2"), 20, 10)
            compare(ui_View.calls()[0], ["playMedia_Index", 2])
            tryCompare(pageArea, "curID", 2)
            tryCompare(pages, "x", 0)
            verify(devicePage(scene, 2, "_Page_Color").visible)
            verify(!devicePage(scene, 0, "_Page_Keydefine").visible)
            // The chosen entry again: the page slides out and none is shown.
            mouseClick(findChild(scene, "funcEntry2"), 20, 10)
            compare(findChild(scene, "menuFunc").currentIndex, -1)
            tryCompare(pageArea, "curID", -1)
            verify(!findChild(scene, "_Page_Color").visible)
        }

        function test_switchDuringASlideFinishesItAtOnce() {
            const pageArea = findChild(scene, "pageArea")
            findChild(scene, "_Page_Globalsetting")._AnimationSpeed = 800
            pageArea.showIndex(1)   // pending is -1 after the opening: slides in at once
            compare(pageArea.curID, 1)
            pageArea.showIndex(3)   // during the slide-in: shown at once, pending kept
            compare(pageArea.curID, 3)
            compare(findChild(scene, "pages").x, 0)
            pageArea.showIndex(2)   // pending 1: slides out first
            compare(pageArea.curID, 3)
            pageArea.showIndex(0)   // during the slide-out: finished at once, then 0 slides in
            compare(pageArea.curID, 0)
            tryCompare(findChild(scene, "pages"), "x", 0)
        }

        function test_settingsPanelDisablesTheFrame() {
            findChild(scene, "upItem").isGlobalSettingSelect = true
            verify(!findChild(scene, "menuFunc").enabled)
            verify(!findChild(scene, "menuProf").enabled)
            compare(findChild(scene, "menuProf").opacity, 0.2)
            compare(findChild(scene, "pageArea").opacity, 0.2)
        }
    }
}
