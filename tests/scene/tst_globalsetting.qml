import QtQuick
import QtTest

Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        name: "Globalsetting"

        property var scene: null
        property var page: null

        readonly property var chineseStrings: {
            const strings = ["Noto Sans CJK SC"]
            for (let n = 1; n <= 92; ++n)
                strings.push("字" + n)
            return strings
        }

        function init() {
            ui_View.clearCalls()
            ui_View.apConfig = []
            ui_View.apConfigDefault = configList({ 0: "3.1.0817", 1: "1", 27: "0", 28: "7" })
            ui_View.languages = { "CHINESE (CN)": "025044", "ENGLISH": "031000" }
            ui_View.strings = { "025044": chineseStrings, "031000": [] }
            ui_View.customFilePath = ""
            scene = createScene(host)
            page = findChild(scene, "_Page_Globalsetting")
        }

        function startedWith(config) {
            ui_View.apConfig = config
            scene.initUI()
            ui_View.clearCalls()
        }

        // Runs the scene (animations are off in the test configurations) and opens the panel.
        function openPanel() {
            scene.run()
            const upItem = findChild(scene, "upItem")
            tryCompare(upItem, "y", 0)
            upItem.isGlobalSettingSelect = true
            tryCompare(findChild(scene, "_fkGlobalsetting"), "contentX", 0)
            ui_View.clearCalls()
        }

        function test_emptyConfigurationChangesNothing() {
            scene.initUI()
            compare(page.version, "3.1.0817")
            compare(page._AnimationSpeed, 800)
            compare(scene.globalSetting_stringList[31], "ON")
            compare(scene.globalSetting_fontFamily, "Arial")
            verify(Qt.colorEqual(scene.globalSetting_color, "#FF00FFFF"))
            compare(ui_View.callNames(), ["loadHWDef", "chkLanguages", "loadApConfig", "loadApConfig"])
            compare(ui_View.callsOf("loadApConfig"), [[true], [false]])
            // The controls are built when the panel is first shown, and show the built-in state:
            // sound and animations on, English.
            compare(findChild(page, "soundList"), null)
            openPanel()
            compare(findChild(page, "languageList").mdItems.count, 2)
            compare(findChild(page, "soundList").getCurIndex(), 0)
            compare(findChild(page, "animationList").getCurIndex(), 0)
            compare(findChild(page, "languageList").getCurIndex(), 1)
        }

        function test_controlsBuiltLateShowTheStoredSettings() {
            startedWith(configList({ 1: "1", 2: "1", 3: "0", 27: "3", 28: "2" }))
            compare(findChild(page, "swatches"), null)
            openPanel()
            compare(findChild(page, "soundList").getCurIndex(), 1)
            compare(findChild(page, "animationList").getCurIndex(), 1)
            compare(findChild(page, "languageList").getCurIndex(), 0)
            compare(findChild(page, "brightnessSlider").getCurIndex(), 2)
            compare(findChild(page, "fieldB").input.text, "100")
            const swatches = Array.from(findChild(page, "swatches").children)
            const framed = swatches.filter(swatch => swatch.border && swatch.border.width === 2)
            compare(framed.length, 1)
            verify(Qt.colorEqual(framed[0].color, Qt.rgba(200 / 255, 200 / 255, 100 / 255, 1)))
            compare(findChild(page, "backgroundSwitchText").text, "【 字32 】")
        }

        function test_syncAppliesAStoredConfiguration() {
            ui_View.apConfig = configList({ 0: "9.9.9", 1: "1", 2: "1", 3: "0", 4: "true", 5: "file:/tmp/bg.png",
                                           27: "1", 28: "0", 29: "https://example.invalid/" })
            scene.initUI()
            compare(scene.globalSetting_version, "9.9.9")
            compare(ui_View.callsOf("setEnableAudio"), [[false]])
            compare(ui_View.callsOf("clearAllMedia").length, 1)
            compare(page.soundIndex, 1)
            compare(scene.animation_speed, 10)
            compare(ui_View.callsOf("getGlobalStrings"), [["025044"]])
            compare(scene.globalSetting_stringList[31], "字31")
            compare(scene.globalSetting_fontFamily, "Noto Sans CJK SC")
            verify(scene.isCustomBackground)
            verify(String(scene.sourceCustomBackground).endsWith("/tmp/bg.png"))
            page.apply()
            compare(ui_View.callsOf("saveApConfig")[0][0][5], "file:/tmp/bg.png")
            compare([page._R, page._G, page._B], [255, 200, 150])
            compare(String(scene.globalSetting_webUrl), "https://example.invalid/")
        }

        function test_languageOutsideTheListKeepsTheCurrentOne() {
            startedWith(configList({ 3: "7" }))
            compare(ui_View.callsOf("getGlobalStrings").length, 0)
            compare(scene.globalSetting_stringList[29], "LANGUAGE")
        }

        function test_damagedEntriesLeaveTheirSettings() {
            startedWith(configList({ 28: "3" }))
            const before = scene.globalSetting_color
            ui_View.apConfig = configList({ 0: "4.0", 1: "2", 2: "x", 3: "", 6: "300", 7: "-1", 8: "12",
                                           27: "9", 28: "eight" })
            page.syncUI(ui_View.apConfig)
            compare(page.version, "4.0")
            compare(ui_View.callsOf("setEnableAudio").length, 0)
            compare(page.soundIndex, 0)
            compare(page._AnimationSpeed, 10)
            compare([page._R, page._G, page._B], [255, 180, 0], "swatch 2 stays selected")
            verify(Qt.colorEqual(scene.globalSetting_color, before))
            page.selectSwatch(0)
            compare([page._R, page._G, page._B], [255, 255, 12], "only the valid channel was taken")
            // A short list applies what it has.
            page.syncUI(["5.0", "1"])
            compare(page.version, "5.0")
            compare(page.soundIndex, 1)
            compare(String(page.webUrl), "https://korvane.example/")
        }

        function test_brightnessLevelGivesTheTextAlpha_data() {
            return [
                { tag: "level 0", level: 0, alpha: 45 },
                { tag: "level 1", level: 1, alpha: 75 },
                { tag: "level 7", level: 7, alpha: 255 },
            ]
        }

        function test_brightnessLevelGivesTheTextAlpha(data) {
            startedWith(configList({ 27: "0", 28: String(data.level) }))
            fuzzyCompare(scene.globalSetting_color.a * 255, data.alpha, 0.01)
            compare(page.brightnessLevel, data.level)
            // The same through the slider itself.
            startedWith(configList({ 28: "3" }))
            openPanel()
            const steps = findChild(page, "stepMouse")
            mouseClick(steps, data.level === 0 ? 0 : steps.width * data.level / 7 - 1, 5)
            fuzzyCompare(scene.globalSetting_color.a * 255, data.alpha, 0.01)
        }

        function test_paletteStripColours_data() {
            return [
                { tag: "start is black", rate: 0, rgb: [0, 0, 0] },
                { tag: "half way to red", rate: 0.5, rgb: [128, 0, 0] },
                { tag: "yellow", rate: 2, rgb: [0 + 255, 255, 0] },
                { tag: "cyan", rate: 4, rgb: [0, 255, 255] },
                { tag: "magenta", rate: 6, rgb: [255, 0, 255] },
                { tag: "7/8 is white", rate: 7, rgb: [255, 255, 255] },
                { tag: "end is black", rate: 8, rgb: [0, 0, 0] },
            ]
        }

        function test_paletteStripColours(data) {
            compare(page.colorOfStrip(data.rate * 0.125 * 95, 96), data.rgb)
        }

        function test_pressOnThePaletteStripSetsFieldsSwatchAndColour() {
            startedWith(configList({ 27: "2" }))
            openPanel()
            const strip = findChild(page, "paletteMouse")
            mousePress(strip, 0, 5)
            mouseRelease(strip, 0, 5)
            compare([page._R, page._G, page._B], [0, 0, 0])
            verify(Qt.colorEqual(scene.globalSetting_color, Qt.rgba(0, 0, 0, 1)))
            compare(strip.width, 96)
            // Pointer positions are whole pixels: 47 of 95 is rate 3.96, nearly cyan.
            mousePress(strip, 47, 5)
            mouseRelease(strip, 47, 5)
            compare([page._R, page._G, page._B], [0, 255, 244])
            compare(findChild(page, "fieldB").input.text, "244")
            verify(Qt.colorEqual(scene.globalSetting_color, Qt.rgba(0, 1, 244 / 255, 1)))
            // The picked colour went to the selected swatch (2).
            page.apply()
            const saved = ui_View.callsOf("saveApConfig")[0][0]
            compare(saved.slice(12, 15), [0, 255, 244])
        }

        function test_numericFieldTakesItsValueWhenItLosesFocus() {
            startedWith(configList({ 27: "0" }))
            openPanel()
            const field = findChild(page, "fieldR").input
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_3)
            compare(page._R, 255, "not taken while typing")
            field.focus = false
            compare(page._R, 123)
            verify(Qt.colorEqual(scene.globalSetting_color, Qt.rgba(123 / 255, 1, 1, 1)))
            page.apply()
            compare(ui_View.callsOf("saveApConfig")[0][0][6], 123)
        }

        function test_swatchClickLoadsItsColour() {
            startedWith(configList({ 27: "0" }))
            openPanel()
            page.selectSwatch(3)
            compare([page._R, page._G, page._B], [200, 200, 100])
            compare(findChild(page, "fieldB").input.text, "100")
        }

        function test_applyStoresThirtyEntriesAndClosesThePage() {
            startedWith(configList({ 1: "0", 2: "1", 27: "4", 28: "5" }))
            openPanel()
            const upItem = findChild(scene, "upItem")
            const apply = findChild(page, "applyButton")
            mouseClick(apply, apply.width / 2, apply.height / 2)
            const saves = ui_View.callsOf("saveApConfig")
            compare(saves.length, 1)
            const saved = saves[0][0]
            compare(saved.length, 30)
            compare(saved[0], "3.2.0001")
            compare(saved.slice(1, 4), [0, 1, 1])
            compare(saved[4], false)
            compare(saved.slice(27, 29), [4, 5])
            compare(saved[29], "https://korvane.example/")
            verify(!upItem.isGlobalSettingSelect)
        }

        function test_resetStoresTheDefaultsAndStartsTheBackgroundTrack() {
            startedWith(configList({ 0: "9.9", 28: "2" }))
            openPanel()
            const reset = findChild(page, "resetButton")
            mouseClick(reset, reset.width / 2, reset.height / 2)
            compare(ui_View.callsOf("saveApConfig"), [[ui_View.apConfigDefault]])
            compare(ui_View.calls()[ui_View.calls().length - 1], ["playMedia_Index", 0])
            compare(page.version, "3.1.0817")
            compare(findChild(page, "soundList").getCurIndex(), 1)
            fuzzyCompare(scene.globalSetting_color.a, 1, 0.001)
        }

        function test_soundChoiceTakesEffectAtOnce() {
            startedWith(configList({ 1: "0" }))
            openPanel()
            const list = findChild(page, "soundList")
            mouseClick(list, list.width / 2, list.height / 2)
            tryCompare(list, "isSelect", true)
            const off = findChild(list, "list").itemAtIndex(1)
            mouseClick(off, off.width / 2, off.height / 2)
            compare(ui_View.calls(), [["setEnableAudio", false], ["clearAllMedia"]])
            compare(page.soundIndex, 1)
            ui_View.clearCalls()
            list.listElementClicked(0)
            compare(ui_View.calls(), [["setEnableAudio", true], ["playMedia_Index", 0]])
            // The list follows the settings again after its own click chose an entry.
            page.syncUI(configList({ 1: "0" }))
            compare(list.getCurIndex(), 0)
        }

        function test_languageSwitchRetranslatesTheWholeScene() {
            startedWith(configList({ 3: "1" }))
            openPanel()
            findChild(page, "languageList").listElementClicked(0)
            compare(scene.globalSetting_stringList[27], "字27")
            compare(findChild(page, "soundList").mdItems.get(0).textX, "字31")
            compare(findChild(page, "animationList").mdItems.get(1).textX, "字32")
            // The device frame's menus follow.
            const funcEntry = findChild(scene, "funcEntry3")
            tryCompare(funcEntry, "textX", "字86")
            compare(findChild(scene, "contextEntry0").textX, "字84")
            compare(findChild(scene, "contextEntry3").textX, "字78")
        }

        function test_shortLanguageFileKeepsEnglishForWhatItLacks() {
            ui_View.strings = { "025044": ["Noto Sans CJK SC", "选项"], "031000": [] }
            startedWith(configList({ 3: "0" }))
            compare(scene.globalSetting_stringList[1], "选项")
            compare(scene.globalSetting_stringList[31], "ON")
            compare(scene.globalSetting_stringList.length, 93)
            // A file without a font family keeps the built-in one.
            ui_View.strings = { "025044": ["", "选项"], "031000": [] }
            page.setLanguage(0)
            compare(scene.globalSetting_fontFamily, "Arial")
        }

        function test_backgroundSwitch() {
            startedWith(configList({}))
            openPanel()
            const toggle = findChild(page, "backgroundSwitch")
            const label = findChild(page, "backgroundSwitchText")
            compare(label.text, "【 OFF 】")
            mouseClick(toggle, 5, 5)
            compare(ui_View.callsOf("getCustomFilePath").length, 1)
            verify(!scene.isCustomBackground, "a cancelled choice leaves it off")
            ui_View.customFilePath = "/home/user/Pictures/sky.png"
            mouseClick(toggle, 5, 5)
            verify(scene.isCustomBackground)
            verify(String(scene.sourceCustomBackground).endsWith("/home/user/Pictures/sky.png"))
            compare(page.currentConfig()[5], "file:/home/user/Pictures/sky.png")
            compare(label.text, "【 ON 】")
            mouseClick(toggle, 5, 5)
            verify(!scene.isCustomBackground)
            compare(String(scene.sourceCustomBackground), "")
            compare(ui_View.callsOf("getCustomFilePath").length, 2)
        }
    }
}
