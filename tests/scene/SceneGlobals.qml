import QtQuick
import "qrc:/modules/qml/common"

// The look that the scene's controls read from Scene, and the stand-in controller, for tests that
// place controls without the whole scene: a test document whose root is this item hands them in,
// as the scene's own root does.
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

    Binding { target: Scene; property: "ui_View"; value: ui_View }
    Binding { target: Scene; property: "ui_Ctl"; value: ui_Ctl }
    Binding { target: Scene; property: "globalSetting_size"; value: globalSetting_size }
    Binding { target: Scene; property: "globalSetting_color"; value: globalSetting_color }
    Binding { target: Scene; property: "globalSetting_color_enable"; value: globalSetting_color_enable }
    Binding { target: Scene; property: "globalSetting_color_disable"; value: globalSetting_color_disable }
    Binding { target: Scene; property: "animation_speed"; value: animation_speed }
    Binding { target: Scene; property: "globalSetting_stringList"; value: globalSetting_stringList }
    Binding { target: Scene; property: "globalSetting_fontFamily"; value: globalSetting_fontFamily }
}
