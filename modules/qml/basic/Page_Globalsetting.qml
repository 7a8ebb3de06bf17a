import QtQuick
import "../common"
import "../common/color_strip.js" as ColorBand

// The tool's own settings, and the look (texts, colours, animation speed) that every page reads.
Image {
    id: page
    // Read while the panel is shown only: it is hidden at start and most of the time.
    source: visible ? sourceGlobalsettingBackground : ""
    width: 340
    height: 420

    property var apConfigDefault: []
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
    readonly property var builtInStrings: ["Arial", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION",
        "PAINTING", "EFFECTS", "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4",
        "USER DEFINE 5", "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE",
        "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE", "SPOTLIGHT",
        "ROTATION", "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND", "ON", "OFF", "TEXT", "SIZE",
        "COLOR", "BRIGHTNESS", "NORMAL", "LARGER", "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5",
        "MACRO", "ACTION", "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE",
        "B4", "B5", "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP",
        "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH", "WWW HOME",
        "WWW BACK", "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES", "KEY", "MACRO", "COLOR",
        "RESET", "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE", "COPY", "LOAD", "SAVE",
        "BACKLIGHTING", "RENDERING", "STATIC", "TWINKLING", "MARQUEE", "BREATHING", "COLOR"]
    property var _StringList: builtInStrings

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

    ListModel {
        id: soundModel
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }

    ListModel {
        id: animationModel
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }

    ListModel {
        id: languageModel
    }

    ListModel {
        id: swatchModel
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
        apConfigDefault = ui_View.loadApConfig(true)
        syncUI(ui_View.loadApConfig())
    }

    // The code of the language whose texts are built in.
    readonly property string builtInLanguageCode: "031000"

    function initLanguage() {
        const languages = ui_View.chkLanguages()
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
        const loaded = ui_View.getGlobalStrings(languageModel.get(uiIndex).code)
        // A short or damaged language file keeps the built-in English for what it lacks.
        const strings = builtInStrings.slice()
        for (let n = 1; n < loaded.length && n < strings.length; ++n)
            strings[n] = loaded[n]
        if (loaded.length > 0 && loaded[0] !== "")
            strings[0] = loaded[0]
        _StringList = strings
        _FontFamily = strings[0]
        mainIten.translateStrings()
    }

    function translateStrings() {
        for (const model of [soundModel, animationModel]) {
            model.setProperty(0, "textX", _StringList[31])
            model.setProperty(1, "textX", _StringList[32])
        }
    }

    function setSound(index) {
        if (index === 0) {
            ui_View.setEnableAudio(true)
            ui_View.playMedia_Index(0)
        } else if (index === 1) {
            ui_View.setEnableAudio(false)
            ui_View.clearAllMedia()
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
        ui_View.saveApConfig(currentConfig())
        upItem.isGlobalSettingSelect = false
    }

    function reset() {
        dropFieldFocus()
        syncUI(apConfigDefault)
        ui_View.saveApConfig(apConfigDefault)
        ui_View.playMedia_Index(0)
    }

    function setCustomBackground(text) {
        customBackgroundText = text
        mainIten.sourceCustomBackground = text
    }

    function toggleCustomBackground() {
        if (isCustomBackground) {
            isCustomBackground = false
            setCustomBackground("")
            return
        }
        const path = ui_View.getCustomFilePath()
        if (path !== "") {
            setCustomBackground("file:" + path)
            isCustomBackground = true
        }
    }

    component Label: Text {
        font.family: _FontFamily
        font.pixelSize: _Size
        font.bold: true
        color: _Color
    }

    // Built the first time the panel is shown.
    Loader {
        anchors.fill: parent
        active: page.controlsWanted
        sourceComponent: Component {
            Item {
                Label {
                    objectName: "versionText"
                    anchors.right: parent.right
                    anchors.rightMargin: 15
                    y: 12
                    text: page.version
                    color: _ColorEnable
                }

                // Sound, animations, language and background, one row each.
                Column {
                    id: options
                    x: 27
                    y: 40
                    spacing: 10
                    // Open drop-down lists lie over the text box.
                    z: 1

                    component OptionRow: Item {
                        property alias label: caption.text
                        default property alias control: slot.data
                        width: 263
                        height: 23
                        Label {
                            id: caption
                            width: 106
                            anchors.verticalCenter: parent.verticalCenter
                            elide: Text.ElideRight
                        }
                        Item {
                            id: slot
                            x: 112
                            width: 151
                            height: parent.height
                        }
                    }

                    OptionRow {
                        label: _StringList[27]
                        z: 4
                        DropdownList {
                            id: soundList
                            objectName: "soundList"
                            mdItems: soundModel
                            onListElementClicked: function (index) {
                                page.soundIndex = index
                                page.setSound(index)
                            }
                        }
                    }
                    OptionRow {
                        label: _StringList[28]
                        z: 3
                        DropdownList {
                            id: animationList
                            objectName: "animationList"
                            mdItems: animationModel
                            onListElementClicked: function (index) {
                                page.animationIndex = index
                                page.setAnimation(index)
                            }
                        }
                    }
                    OptionRow {
                        label: _StringList[29]
                        z: 2
                        DropdownList {
                            id: languageList
                            objectName: "languageList"
                            mdItems: languageModel
                            onListElementClicked: function (index) {
                                page.languageIndex = index
                                page.setLanguage(index)
                            }
                        }
                    }
                    OptionRow {
                        label: _StringList[30]
                        z: 1
                        Item {
                            id: backgroundSwitch
                            objectName: "backgroundSwitch"
                            width: 151
                            height: 23
                            Image {
                                id: switchBox
                                anchors.verticalCenter: parent.verticalCenter
                                source: page.isCustomBackground ? sourceCHK1 : sourceCHK0
                            }
                            Text {
                                objectName: "backgroundSwitchText"
                                anchors.left: switchBox.right
                                anchors.leftMargin: 6
                                anchors.verticalCenter: parent.verticalCenter
                                text: "【 " + (page.isCustomBackground ? _StringList[31] : _StringList[32]) + " 】"
                                font.family: _FontFamily
                                font.pixelSize: _Size
                                font.bold: true
                                color: switchMouse.containsMouse ? _Color : _ColorEnable
                            }
                            MouseArea {
                                id: switchMouse
                                anchors.fill: parent
                                hoverEnabled: true
                                onClicked: page.toggleCustomBackground()
                            }
                        }
                    }
                }

                // Colour and brightness of the interface texts.
                Item {
                    id: textBox
                    objectName: "textBox"
                    x: 27
                    y: 185
                    width: 270
                    height: 176

                    Label {
                        x: 10
                        y: 9
                        text: _StringList[33]
                    }

                    Label {
                        x: 10
                        y: 35 + 4
                        width: 86
                        elide: Text.ElideRight
                        text: _StringList[35]
                    }

                    Image {
                        id: swatchFrame
                        x: 100
                        y: 35
                        width: 145
                        height: 21
                        source: sourcePaletteIndex

                        Row {
                            objectName: "swatches"
                            x: 1
                            y: 1
                            spacing: 2
                            Repeater {
                                model: swatchModel
                                Rectangle {
                                    id: swatch
                                    required property int index
                                    required property int r
                                    required property int g
                                    required property int b
                                    width: 19
                                    height: 19
                                    color: Qt.rgba(r / 255, g / 255, b / 255, 1)
                                    border.width: page.swatchIndex === index ? 2 : 0
                                    border.color: _ColorEnable
                                    MouseArea {
                                        anchors.fill: parent
                                        onClicked: page.selectSwatch(swatch.index)
                                    }
                                }
                            }
                        }
                    }

                    ColorStrip {
                        x: 100
                        y: 65
                        onColorPicked: function (r, g, b) { page.setRGB(page.modePaletteStrip, r, g, b) }
                    }

                    ColorFields {
                        id: colorFields
                        x: 100
                        y: 96
                        textSize: _Size
                        labelColor: _Color
                        textColor: _ColorEnable
                        fontFamily: _FontFamily
                        onColorEntered: function (r, g, b) { page.setRGB(page.modeNumericFields, r, g, b) }
                        Component.onCompleted: setColor(...page.fieldsColor)
                        Connections {
                            target: page
                            function onFieldsColorChanged() {
                                colorFields.setColor(...page.fieldsColor)
                            }
                            function onFieldsCommitWanted() {
                                colorFields.commit()
                            }
                        }
                    }

                    Label {
                        x: 10
                        y: 130 + 4
                        width: 84
                        elide: Text.ElideRight
                        text: _StringList[36]
                    }

                    Slider {
                        id: brightnessSlider
                        objectName: "brightnessSlider"
                        x: 97
                        y: 130
                        minIndex: 0
                        onSliderClicked: function (index) { page.setBrightnessLevel(index) }
                    }
                }

                Row {
                    anchors.right: textBox.right
                    y: textBox.y + textBox.height + 10
                    spacing: 6
                    Button_2state {
                        objectName: "resetButton"
                        source0: sourceReset0
                        source1: sourceReset1
                        onClicked: page.reset()
                    }
                    Button_2state {
                        objectName: "applyButton"
                        source0: sourceApply0
                        source1: sourceApply1
                        onClicked: page.apply()
                    }
                }

                // The controls show the page's settings, and follow them again after a click that
                // set their choice themselves.
                Binding { target: soundList; property: "currentIndex"; value: page.soundIndex }
                Binding { target: animationList; property: "currentIndex"; value: page.animationIndex }
                Binding { target: languageList; property: "currentIndex"; value: page.languageIndex }
                Binding { target: brightnessSlider; property: "currentIndex"; value: page.brightnessLevel }
            }
        }
    }
}
