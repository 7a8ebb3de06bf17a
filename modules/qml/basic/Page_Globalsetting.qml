import QtQuick
import "../common"

// The tool's own settings, and the look (texts, colours, animation speed) that every page reads.
Image {
    id: page
    // Read while the panel is shown only: it is hidden at start and most of the time.
    source: visible ? Scene.sourceGlobalsettingBackground : ""
    width: 340
    height: 420

    property var apConfigDefault: []
    // The settings were stored: the panel closes.
    signal applied
    // The texts of another language are in place: every page shows them.
    signal languageLoaded
    // The per-application profiles panel was asked for.
    signal rulesWanted
    // The panel about keys typed into other windows was asked for.
    signal keysElsewhereWanted
    // Whether the session is a Wayland one, where that panel has something to offer.
    readonly property bool isWayland: Scene.ui_View ? Scene.ui_View.eventNodeRule().wayland : false
    property string version: "3.1.0817"
    property int _Size: 11
    property color _Color: "#FF00FFFF"
    property color _ColorEnable: "#FFAAAAAA"
    property color _ColorDisable: "#80FFFFFF"
    property int _AnimationSpeed: 800
    // The page the logo opens: the user manual shipped beside the program.
    property url webUrl: "file:modules/doc/manual.html"
    property int skin_No: 1
    property bool isCustomBackground: false
    property string _FontFamily: "Arial"
    // The custom background as stored ("file:" and the path), kept as written.
    property string customBackgroundText: ""
    readonly property var builtInStrings: Scene.builtInStrings
    property var _StringList: builtInStrings
    property var _SceneTexts: Scene.builtInSceneTexts

    // Palette state: the current colour and the brightness (alpha) of the label colour.
    property int _R: 255
    property int _G: 255
    property int _B: 255
    property int brightnessValue: 255

    readonly property int modePaletteStrip: 1
    readonly property int modeNumericFields: 2
    readonly property int modeSwatch: 3
    readonly property int swatchCount: 7

    // What the controls show. The settings live here, so the controls need not exist until the
    // panel is first shown: nobody sees them before, and building them costs start-up time.
    property int soundIndex: 0
    property int animationIndex: 0
    property int languageIndex: -1
    property int swatchIndex: 0
    property int brightnessLevel: 7
    // The colour the number fields show, when it did not come from them.
    property var fieldsColor: [255, 255, 255]
    property bool controlsWanted: false
    onVisibleChanged: {
        if (visible)
            controlsWanted = true
    }

    readonly property ListModel soundModel: ListModel {
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }

    readonly property ListModel animationModel: ListModel {
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }

    readonly property ListModel languageModel: ListModel {
    }

    readonly property ListModel swatchModel: ListModel {
        ListElement { r: 255; g: 255; b: 255 }
        ListElement { r: 255; g: 200; b: 150 }
        ListElement { r: 255; g: 180; b: 0 }
        ListElement { r: 200; g: 200; b: 100 }
        ListElement { r: 200; g: 170; b: 255 }
        ListElement { r: 255; g: 180; b: 180 }
        ListElement { r: 160; g: 190; b: 160 }
    }

    function initUI() {
        initLanguage()
        apConfigDefault = Scene.ui_View.loadApConfig(true)
        syncUI(Scene.ui_View.loadApConfig())
    }

    // The code of the language whose texts are built in.
    readonly property string builtInLanguageCode: "031000"

    function initLanguage() {
        const languages = Scene.ui_View.chkLanguages()
        for (const name in languages) {
            languageModel.append({ "textX": name, "code": String(languages[name]) })
            // Until a configuration says otherwise, the list shows the built-in language.
            if (String(languages[name]) === builtInLanguageCode)
                languageIndex = languageModel.count - 1
        }
    }

    function setLanguage(uiIndex) {
        if (uiIndex < 0 || uiIndex >= languageModel.count)
            return
        const loaded = Scene.ui_View.getGlobalStrings(languageModel.get(uiIndex).code)
        // A short or damaged language file keeps the built-in English for what it lacks.
        const strings = builtInStrings.slice()
        for (let n = 1; n < loaded.length && n < strings.length; ++n)
            strings[n] = loaded[n]
        if (loaded.length > 0 && loaded[0] !== "")
            strings[0] = loaded[0]
        _StringList = strings
        _FontFamily = strings[0]
        // A file older than a text keeps that text in English.
        _SceneTexts = Object.assign({}, Scene.builtInSceneTexts,
                                    Scene.ui_View.getSceneTexts(languageModel.get(uiIndex).code))
        languageLoaded()
    }

    function translateStrings() {
        for (const model of [soundModel, animationModel]) {
            model.setProperty(0, "textX", _StringList[31])
            model.setProperty(1, "textX", _StringList[32])
        }
    }

    function setSound(index) {
        if (index === 0) {
            Scene.ui_View.setEnableAudio(true)
            Scene.ui_View.playMedia_Index(0)
        } else if (index === 1) {
            Scene.ui_View.setEnableAudio(false)
            Scene.ui_View.clearAllMedia()
        }
    }

    function setAnimation(index) {
        if (index === 0)
            _AnimationSpeed = 800
        else if (index === 1)
            _AnimationSpeed = 10
    }

    function brightnessOfLevel(level) {
        return 45 + level * 210 / 7
    }

    function updateLabelColor() {
        _Color = Qt.rgba(_R / 255, _G / 255, _B / 255, brightnessValue / 255)
    }

    function setRGB(index, r, g, b) {
        _R = r
        _G = g
        _B = b
        const updatesFields = index !== modeNumericFields
        const updatesSwatch = index !== modeSwatch
        const updatesColor = index === modePaletteStrip || index === modeNumericFields || index === modeSwatch
        if (updatesFields)
            fieldsColor = [r, g, b]
        if (updatesSwatch && swatchIndex >= 0 && swatchIndex < swatchCount)
            swatchModel.set(swatchIndex, { "r": r, "g": g, "b": b })
        if (updatesColor)
            updateLabelColor()
    }

    // The colour under position p of a strip h long.
    function colorOfStrip(p, h) {
        return ColorBand.colorOfStrip(p, h)
    }

    function selectSwatch(index) {
        swatchIndex = index
        const swatch = swatchModel.get(index)
        setRGB(modeSwatch, swatch.r, swatch.g, swatch.b)
    }

    function setBrightnessLevel(level) {
        brightnessLevel = level
        brightnessValue = brightnessOfLevel(level)
        updateLabelColor()
    }

    function asFlag(value) {
        return value === true || String(value).toLowerCase() === "true"
    }

    // A whole number within low … high, or undefined for anything else (a damaged file).
    function entryInRange(value, low, high) {
        const text = String(value).trim()
        if (!/^[0-9]+$/.test(text))
            return undefined
        const number = parseInt(text)
        return number >= low && number <= high ? number : undefined
    }

    // Applies a stored configuration; entries that are missing or out of range leave their setting.
    function syncUI(apConfig) {
        if (!apConfig || apConfig.length === 0)
            return
        version = String(apConfig[0])

        const sound = entryInRange(apConfig[1], 0, 1)
        if (sound !== undefined) {
            setSound(sound)
            soundIndex = sound
        }

        const animation = entryInRange(apConfig[2], 0, 1)
        if (animation !== undefined) {
            setAnimation(animation)
            animationIndex = animation
        }

        const language = entryInRange(apConfig[3], 0, languageModel.count - 1)
        if (language !== undefined) {
            setLanguage(language)
            languageIndex = language
        }

        if (apConfig.length > 5) {
            isCustomBackground = asFlag(apConfig[4])
            setCustomBackground(String(apConfig[5]))
        }

        for (let k = 0; k < swatchCount; ++k) {
            for (const [offset, channel] of [[6, "r"], [7, "g"], [8, "b"]]) {
                const value = entryInRange(apConfig[offset + 3 * k], 0, 255)
                if (value !== undefined)
                    swatchModel.setProperty(k, channel, value)
            }
        }
        const swatch = entryInRange(apConfig[27], 0, swatchCount - 1)
        selectSwatch(swatch !== undefined ? swatch : swatchIndex)

        const brightness = entryInRange(apConfig[28], 0, 7)
        if (brightness !== undefined)
            setBrightnessLevel(brightness)
        if (apConfig.length > 29)
            webUrl = String(apConfig[29])
    }

    function currentConfig() {
        const config = [version, soundIndex, animationIndex, languageIndex, isCustomBackground, customBackgroundText]
        for (let k = 0; k < swatchCount; ++k) {
            const swatch = swatchModel.get(k)
            config.push(swatch.r, swatch.g, swatch.b)
        }
        config.push(swatchIndex, brightnessLevel, String(webUrl))
        return config
    }

    // Typed numbers count once their field loses its focus; the buttons take them first.
    signal fieldsCommitWanted

    function dropFieldFocus() {
        fieldsCommitWanted()
    }

    function apply() {
        dropFieldFocus()
        Scene.ui_View.saveApConfig(currentConfig())
        applied()
    }

    function reset() {
        dropFieldFocus()
        syncUI(apConfigDefault)
        Scene.ui_View.saveApConfig(apConfigDefault)
        Scene.ui_View.playMedia_Index(0)
    }

    function setCustomBackground(text) {
        customBackgroundText = text
    }

    function toggleCustomBackground() {
        if (isCustomBackground) {
            isCustomBackground = false
            setCustomBackground("")
            return
        }
        const path = Scene.ui_View.getCustomFilePath()
        if (path !== "") {
            setCustomBackground("file:" + path)
            isCustomBackground = true
        }
    }

    // Built the first time the panel is shown.
    Loader {
        id: controlsLoader
        anchors.fill: parent
        active: page.controlsWanted
        Component.onCompleted: controlsLoader.setSource("GlobalsettingControls.qml", { "page": page })
    }
}
