import QtQuick
import "./basic"
import "./common"
import "./Z9"

Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false

    // The look of the whole scene; the settings page owns the values.
    property string globalSetting_version: _Page_Globalsetting.version
    property int globalSetting_size: _Page_Globalsetting._Size
    property color globalSetting_color: _Page_Globalsetting._Color
    property color globalSetting_color_enable: _Page_Globalsetting._ColorEnable
    property color globalSetting_color_disable: _Page_Globalsetting._ColorDisable
    property int animation_speed: _Page_Globalsetting._AnimationSpeed
    property var globalSetting_stringList: _Page_Globalsetting._StringList
    property string globalSetting_fontFamily: _Page_Globalsetting._FontFamily
    property url globalSetting_webUrl: _Page_Globalsetting.webUrl
    property int skin_No: _Page_Globalsetting.skin_No
    property bool isCustomBackground: _Page_Globalsetting.isCustomBackground
    property url sourceCustomBackground: ""

    // Skin images: files below the working directory, chosen by the skin number.
    readonly property string skinDir: "file:modules/img/skin" + skin_No + "/"
    property url sourceBackground: skinDir + "background.png"
    property url sourceFrameBackground: skinDir + "frame/frameBackground.png"
    property url sourceDecoration1: skinDir + "frame/decoration1.png"
    property url sourceDecoration2: skinDir + "frame/decoration2.png"
    property url sourceAS0: skinDir + "list_up/applicationSetting_0.png"
    property url sourceAS1: skinDir + "list_up/applicationSetting_1.png"
    property url sourceAM0: skinDir + "list_up/applicationMinimize_0.png"
    property url sourceAM1: skinDir + "list_up/applicationMinimize_1.png"
    property url sourceListUpContainer: skinDir + "list_up/listUpContainer.png"
    property url sourceListDnContainer: skinDir + "list_dn/listDnContainer.png"
    property url sourceListPfContainer: skinDir + "list_pf/listPfContainer.png"
    property url sourceFW0: skinDir + "list_pf/profileFW_0.png"
    property url sourceFW1: skinDir + "list_pf/profileFW_1.png"
    property url sourceSW0: skinDir + "list_pf/profileSW_0.png"
    property url sourceSW1: skinDir + "list_pf/profileSW_1.png"
    property url sourceListFnBtn_0: skinDir + "list_fn/listFnBtn_0.png"
    property url sourceListFnBtn_1: skinDir + "list_fn/listFnBtn_1.png"
    property url sourceGlobalsettingBackground: skinDir + "list_center/globalsettingBackground.png"
    property url sourceFnColorBackground: skinDir + "list_center/fnColorBackground.png"
    property url sourceFnKeydefineBackground: skinDir + "list_center/fnKeydefineBackground.png"
    property url sourceFnMacroBackground: skinDir + "list_center/fnMacroBackground.png"
    property url sourceFnCommonBackground: skinDir + "list_center/fnCommonBackground.png"
    property url sourceSlider: skinDir + "common/slider_BASE.png"
    property url sourceLine: skinDir + "common/draw_line.png"
    property url sourceFilelist: skinDir + "common/filelist_BASE.png"
    property url sourceInputValue: skinDir + "common/draw_inputValue.png"
    property url sourcePaletteIndex: skinDir + "common/draw_paletteIndex.png"
    property url sourceCHK0: skinDir + "common/checkbox_0.png"
    property url sourceCHK1: skinDir + "common/checkbox_1.png"
    property url sourcePalette: skinDir + "common/draw_palette.png"
    property url sourceReset0: skinDir + "common/reset_0.png"
    property url sourceReset1: skinDir + "common/reset_1.png"
    property url sourceApply0: skinDir + "common/apply_0.png"
    property url sourceApply1: skinDir + "common/apply_1.png"
    property url sourceFram2btn: skinDir + "common/fram_2btn.png"
    property url sourceAdd0: skinDir + "common/add_0.png"
    property url sourceAdd1: skinDir + "common/add_1.png"
    property url sourceDelete0: skinDir + "common/delete_0.png"
    property url sourceDelete1: skinDir + "common/delete_1.png"
    property url sourceRecord0: skinDir + "common/record_0.png"
    property url sourceRecord1: skinDir + "common/record_1.png"
    property url sourceStop0: skinDir + "common/stop_0.png"
    property url sourceStop1: skinDir + "common/stop_1.png"
    property url sourceSolidDelete0: skinDir + "common/solid-delete_0.png"
    property url sourceSolidDelete1: skinDir + "common/solid-delete_1.png"
    property url sourceSolidCut0: skinDir + "common/solid-cut_0.png"
    property url sourceSolidCut1: skinDir + "common/solid-cut_1.png"
    property url sourceSolidPaste0: skinDir + "common/solid-paste_0.png"
    property url sourceSolidPaste1: skinDir + "common/solid-paste_1.png"
    property url sourceSolidCopy0: skinDir + "common/solid-copy_0.png"
    property url sourceSolidCopy1: skinDir + "common/solid-copy_1.png"
    property url sourceSliderFiller0: skinDir + "common/slider_FILLER_0.png"
    property url sourceSliderFiller1: skinDir + "common/slider_FILLER_1.png"

    signal fwStateChanged(bool _fwState, string _ver)

    // Called by the native side (queued), in this order at start-up: initUI, then run.
    function initUI() {
        main_Z9.initUI()
        _Page_Globalsetting.initUI()
    }

    function run() {
        script0.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        main_Z9.detectKeyboard(isDown, usbCode)
    }

    function syncIsFwState(_fwState, _ver) {
        fwStateChanged(_fwState, _ver)
    }

    function detectMouse(isDown, brixCode, x, y) {
    }

    // Called by the settings page after a language change.
    function translateStrings() {
        _Page_Globalsetting.translateStrings()
        main_Z9.translateStrings()
    }

    // Window drag: everything not covered by another mouse area moves the frameless window. The
    // window system moves it where it can (the only way on Wayland); elsewhere the pointer's
    // deltas do.
    MouseArea {
        id: dragRegion
        anchors.fill: parent
        hoverEnabled: true
        property real clickPosX: 0
        property real clickPosY: 0
        property bool movedBySystem: false
        onPressed: function (mouse) {
            clickPosX = mouse.x
            clickPosY = mouse.y
            movedBySystem = ui_Ctl.startSystemMove()
        }
        onPositionChanged: function (mouse) {
            if (!pressed || movedBySystem)
                return
            ui_Ctl.onXChanged(mouse.x - clickPosX)
            ui_Ctl.onYChanged(mouse.y - clickPosY)
        }
    }

    Environment {
        id: envItem
        objectName: "envItem"
        opacity: 0
    }

    Main_Z9 {
        id: main_Z9
        objectName: "main_Z9"
        visible: downItem.currentIndex === 0
    }

    Environment_Decoration {
        id: envDecorationItem
        objectName: "envDecorationItem"
        opacity: 0
    }

    Menu_Down {
        id: downItem
        objectName: "downItem"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 600
        enabled: !upItem.isGlobalSettingSelect
        opacity: 0.2 + 0.8 * enabled
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        anchors.horizontalCenter: parent.horizontalCenter
        y: -600
        opacity: 0.2 + 0.8 * enabled
        onBtnClicked: function (btnIndex) {
            if (btnIndex === 0)
                isGlobalSettingSelect = !isGlobalSettingSelect
            else if (btnIndex === 1)
                scriptEnd.restart()
        }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect)
                _fkGlobalsetting.show()
            else
                _fkGlobalsetting.close()
        }
    }

    Image {
        id: logoWeb_img
        objectName: "logoWeb_img"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 270
        opacity: 0
        source: mainIten.skinDir + (logoMouse.containsMouse ? "frame/web_1.png" : "frame/web_0.png")
        MouseArea {
            id: logoMouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                ui_View.playMedia_Index(3)
                Qt.openUrlExternally(mainIten.globalSetting_webUrl)
            }
        }
    }

    Flickable {
        id: _fkGlobalsetting
        objectName: "_fkGlobalsetting"
        x: 5
        y: 27
        width: 340
        height: 420
        contentWidth: width
        contentHeight: height
        interactive: false
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        visible: false
        contentX: width

        function show() {
            if (paGlobalsettingBack_X.running) {
                paGlobalsettingBack_X.complete()
                show()
            } else if (paGlobalsetting_X.running) {
                paGlobalsetting_X.complete()
            } else {
                visible = true
                paGlobalsetting_X.start()
            }
        }

        function close() {
            if (paGlobalsettingBack_X.running) {
                paGlobalsettingBack_X.complete()
            } else if (paGlobalsetting_X.running) {
                paGlobalsetting_X.complete()
                close()
            } else {
                paGlobalsettingBack_X.start()
            }
        }

        Page_Globalsetting {
            id: _Page_Globalsetting
            objectName: "_Page_Globalsetting"
        }

        NumberAnimation {
            id: paGlobalsetting_X
            target: _fkGlobalsetting
            property: "contentX"
            from: _fkGlobalsetting.width
            to: 0
            easing.type: Easing.OutCubic
            duration: mainIten.animation_speed * 0.8
        }

        NumberAnimation {
            id: paGlobalsettingBack_X
            target: _fkGlobalsetting
            property: "contentX"
            from: 0
            to: _fkGlobalsetting.width
            easing.type: Easing.OutCubic
            duration: mainIten.animation_speed * 0.8
            onFinished: _fkGlobalsetting.visible = false
        }
    }

    // Opening: power-on sound, the logo drops into the top bar, the background fades in.
    SequentialAnimation {
        id: script0
        ScriptAction {
            script: {
                ui_View.playMedia_Index(1)
                mainIten.visible = true
            }
        }
        NumberAnimation {
            target: logoWeb_img
            property: "opacity"
            from: 0
            to: 1
            easing.type: Easing.InCirc
            duration: mainIten.animation_speed * 1.0
        }
        NumberAnimation {
            target: logoWeb_img
            property: "y"
            from: 270
            to: 4
            easing.type: Easing.OutExpo
            duration: mainIten.animation_speed * 1.5
        }
        ParallelAnimation {
            NumberAnimation {
                target: envItem
                property: "opacity"
                from: 0
                to: 1
                easing.type: Easing.OutCirc
                duration: mainIten.animation_speed * 1.0
            }
            NumberAnimation {
                target: envDecorationItem
                property: "opacity"
                from: 0
                to: 1
                easing.type: Easing.OutCirc
                duration: mainIten.animation_speed * 1.0
            }
        }
        onFinished: {
            script1.restart()
            main_Z9.playOnPowerOn()
        }
    }

    // The two bars slide in from above and below.
    ParallelAnimation {
        id: script1
        NumberAnimation {
            target: upItem
            property: "y"
            from: -600
            to: 0
            easing.type: Easing.OutElastic
            duration: mainIten.animation_speed
        }
        NumberAnimation {
            target: downItem
            property: "y"
            from: 600
            to: 600 - downItem.height
            easing.type: Easing.OutElastic
            duration: mainIten.animation_speed
        }
    }

    // Closing: the scene folds upwards, then the window closes.
    NumberAnimation {
        id: scriptEnd
        target: mainIten
        property: "height"
        from: 600
        to: 0
        easing.type: Easing.InOutCubic
        duration: mainIten.animation_speed
        onFinished: ui_Ctl.onMinimize()
    }
}
