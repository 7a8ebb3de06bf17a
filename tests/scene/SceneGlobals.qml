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
    property var globalSetting_stringList: ["Arial", "OPTIONS"]
    property string globalSetting_fontFamily: "Arial"

    readonly property string skinDir: "file:modules/img/skin1/"
    property url sourceSlider: skinDir + "common/slider_BASE.png"
    property url sourceLine: skinDir + "common/draw_line.png"
    property url sourceFilelist: skinDir + "common/filelist_BASE.png"
    property url sourceSliderFiller0: skinDir + "common/slider_FILLER_0.png"
    property url sourceSliderFiller1: skinDir + "common/slider_FILLER_1.png"
}
