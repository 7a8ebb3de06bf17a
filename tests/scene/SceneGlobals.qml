import QtQuick

// The root properties that the scene's controls read by name, for tests that place controls
// without the whole scene. A test document whose root is this item gives its controls that scope.
Item {
    width: 1000
    height: 600

    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 800
    // Every label of a page has a string: "S" and its index, past the first two.
    property var globalSetting_stringList: ["Arial", "OPTIONS"].concat(Array.from({ "length": 91 }, (_, i) => "S" + (i + 2)))
    property string globalSetting_fontFamily: "Arial"

    property int skin_No: 1
    readonly property string skinDir: "file:modules/img/skin1/"
    property url sourceSlider: skinDir + "common/slider_BASE.png"
    property url sourceLine: skinDir + "common/draw_line.png"
    property url sourceFilelist: skinDir + "common/filelist_BASE.png"
    property url sourceSliderFiller0: skinDir + "common/slider_FILLER_0.png"
    property url sourceSliderFiller1: skinDir + "common/slider_FILLER_1.png"
    property url sourceFnColorBackground: skinDir + "list_center/fnColorBackground.png"
    property url sourceFnCommonBackground: skinDir + "list_center/fnCommonBackground.png"
    property url sourceInputValue: skinDir + "common/draw_inputValue.png"
    property url sourcePaletteIndex: skinDir + "common/draw_paletteIndex.png"
    property url sourcePalette: skinDir + "common/draw_palette.png"
    property url sourceCHK0: skinDir + "common/checkbox_0.png"
    property url sourceCHK1: skinDir + "common/checkbox_1.png"
    property url sourceReset0: skinDir + "common/reset_0.png"
    property url sourceReset1: skinDir + "common/reset_1.png"
    property url sourceApply0: skinDir + "common/apply_0.png"
    property url sourceApply1: skinDir + "common/apply_1.png"
}
