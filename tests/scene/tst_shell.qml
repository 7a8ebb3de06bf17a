import QtQuick
import QtTest

Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        name: "Shell"

        function init() {
            ui_View.clearCalls()
            ui_View.apConfig = configList({})
            ui_View.apConfigDefault = []
            ui_View.languages = {}
            ui_View.hwDef = []
            ui_View.systemMoves = false
        }

        function startedScene() {
            const scene = createScene(host)
            scene.initUI()
            scene.run()
            const upItem = findChild(scene, "upItem")
            tryCompare(upItem, "y", 0)
            return scene
        }

        function test_nothingIsVisibleBeforeRun() {
            const scene = createScene(host)
            verify(!scene.visible)
            scene.initUI()
            verify(!scene.visible, "initialising keeps the scene hidden")
            verify(!findChild(scene, "_fkGlobalsetting").visible)
            ui_View.clearCalls()
            scene.run()
            verify(scene.visible)
            compare(ui_View.callsOf("playMedia_Index")[0], [1])
        }

        function test_openingAnimationBringsEverythingIn() {
            const scene = startedScene()
            const logo = findChild(scene, "logoWeb_img")
            tryCompare(logo, "y", 4)
            compare(logo.opacity, 1)
            compare(findChild(scene, "envItem").opacity, 1)
            compare(findChild(scene, "envDecorationItem").opacity, 1)
            const downItem = findChild(scene, "downItem")
            tryCompare(downItem, "y", 600 - downItem.height)
            const menuProf = findChild(scene, "menuProf")
            verify(menuProf.visible)
            tryCompare(menuProf, "x", 1000 - menuProf.width - 8)
            tryCompare(findChild(scene, "menuFunc"), "x", 8)
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            compare(findChild(scene, "pageArea").curID, 0)
        }

        function test_indicatorShowsDashesOnRedUntilAKeyboardReports() {
            const scene = createScene(host)
            const light = findChild(scene, "connectionLight")
            const text = findChild(scene, "connectionText")
            // What a screen reader reads in the bottom bar.
            const state = findChild(findChild(scene, "connectionState"), "focusTarget")
            compare(text.text, "-----")
            verify(Qt.colorEqual(light.color, "#FF0000"))
            compare(state.Accessible.name, "NO KEYBOARD CONNECTED")
            scene.syncIsFwState(true, "V1.07")
            compare(text.text, "V1.07")
            verify(Qt.colorEqual(light.color, "#00FF00"))
            compare(state.Accessible.name, "KEYBOARD CONNECTED: FIRMWARE V1.07")
            scene.syncIsFwState(false, "unknown")
            compare(text.text, "-----")
            verify(Qt.colorEqual(light.color, "#FF0000"))
            compare(state.Accessible.name, "NO KEYBOARD CONNECTED")
        }

        function test_settingsButtonTwiceQuicklyFinishesOpeningThenSlidesOut() {
            const scene = startedScene()
            findChild(scene, "_Page_Globalsetting")._AnimationSpeed = 800
            const panel = findChild(scene, "_fkGlobalsetting")
            const upItem = findChild(scene, "upItem")
            const button = findChild(scene, "settingButton")
            ui_View.clearCalls()
            mouseClick(button, button.width / 2, button.height / 2)
            verify(upItem.isGlobalSettingSelect)
            verify(panel.visible)
            verify(panel.contentX > 0, "the opening has only just begun")
            verify(!findChild(scene, "downItem").enabled, "the bottom bar waits while the panel is open")
            mouseClick(button, button.width / 2, button.height / 2)
            verify(!upItem.isGlobalSettingSelect)
            verify(panel.visible)
            verify(panel.contentX < 10, "the opening was finished at once before the slide out")
            tryCompare(panel, "visible", false)
            compare(panel.contentX, panel.width)
            compare(ui_View.callsOf("playMedia_Index"), [[2], [2]])
            verify(findChild(scene, "downItem").enabled)
        }

        // Layers nobody sees yet are not read, so the first frame comes quickly.
        function test_hiddenLayersAreReadWhenTheyAppear() {
            const scene = createScene(host)
            scene.initUI()
            const layers = findChild(scene, "envItem").children
            const sources = () => Array.from({ length: layers.length }, (_, i) => String(layers[i].source))
            compare(sources(), ["", ""], "the background is not read before the opening")
            scene.run()
            tryCompare(findChild(scene, "envItem"), "opacity", 1)
            verify(sources().every(source => source.endsWith(".png")), sources().join(" "))
            const settings = findChild(scene, "_Page_Globalsetting")
            compare(String(settings.source), "", "the hidden settings panel holds no picture")
            findChild(scene, "upItem").isGlobalSettingSelect = true
            tryVerify(() => String(settings.source).endsWith("globalsettingBackground.png"))
        }

        function test_settingsPanelOpensAndCloses() {
            const scene = startedScene()
            const panel = findChild(scene, "_fkGlobalsetting")
            const upItem = findChild(scene, "upItem")
            upItem.isGlobalSettingSelect = true
            tryCompare(panel, "contentX", 0)
            verify(panel.visible)
            compare(findChild(scene, "pageArea").opacity, 0.2)
            verify(!findChild(scene, "menuProf").enabled)
            upItem.isGlobalSettingSelect = false
            tryCompare(panel, "visible", false)
            compare(findChild(scene, "pageArea").opacity, 1)
        }

        function test_closeButtonFoldsTheSceneThenClosesTheWindow() {
            const scene = startedScene()
            const closeButton = findChild(scene, "closeButton")
            ui_View.clearCalls()
            mouseClick(closeButton, closeButton.width / 2, closeButton.height / 2)
            compare(ui_View.callNames()[0], "playMedia_Index")
            tryCompare(scene, "height", 0)
            tryVerify(function () { return ui_View.callNames().indexOf("onMinimize") >= 0 })
            compare(ui_View.calls(), [["playMedia_Index", 4], ["onMinimize"]])
        }

        function test_dragMovesTheWindowByThePointerDeltaWhereTheWindowSystemRefuses() {
            const scene = startedScene()
            ui_View.clearCalls()
            // An empty spot of the frame, away from menus and pages.
            mousePress(scene, 500, 70)
            mouseMove(scene, 507, 67)
            mouseRelease(scene, 507, 67)
            compare(ui_View.calls(), [["startSystemMove"], ["onXChanged", 7], ["onYChanged", -3]])
        }

        function test_dragIsLeftToTheWindowSystemWhereItMovesTheWindow() {
            const scene = startedScene()
            ui_View.systemMoves = true
            ui_View.clearCalls()
            mousePress(scene, 500, 70)
            mouseMove(scene, 507, 67)
            mouseRelease(scene, 507, 67)
            compare(ui_View.calls(), [["startSystemMove"]])
        }
    }
}
