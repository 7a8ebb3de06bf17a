import QtQuick
import QtQuick.Window
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
    property url sourceCustomBackground: _Page_Globalsetting.customBackgroundText

    // The native side: the controller and the window control, handed in by the view once the
    // scene is loaded.
    property var ui_View: null
    property var ui_Ctl: null

    // Every document reads these from Scene.
    Binding { target: Scene; property: "ui_View"; value: mainIten.ui_View }
    Binding { target: Scene; property: "ui_Ctl"; value: mainIten.ui_Ctl }
    Binding { target: Scene; property: "globalSetting_size"; value: mainIten.globalSetting_size }
    Binding { target: Scene; property: "globalSetting_color"; value: mainIten.globalSetting_color }
    Binding { target: Scene; property: "globalSetting_color_enable"; value: mainIten.globalSetting_color_enable }
    Binding { target: Scene; property: "globalSetting_color_disable"; value: mainIten.globalSetting_color_disable }
    Binding { target: Scene; property: "animation_speed"; value: mainIten.animation_speed }
    Binding { target: Scene; property: "globalSetting_stringList"; value: mainIten.globalSetting_stringList }
    Binding { target: Scene; property: "globalSetting_fontFamily"; value: mainIten.globalSetting_fontFamily }
    Binding { target: Scene; property: "sceneTexts"; value: _Page_Globalsetting._SceneTexts }
    Binding { target: Scene; property: "skin_No"; value: mainIten.skin_No }
    Binding { target: Scene; property: "isCustomBackground"; value: mainIten.isCustomBackground }
    Binding { target: Scene; property: "sourceCustomBackground"; value: mainIten.sourceCustomBackground }

    // The keys that no control took: Tab goes on in reading order from the control that held the
    // focus last (it may have gone away), or starts it; Esc closes the settings panel.
    focus: true
    Keys.onTabPressed: function (event) { FocusChain.move(FocusChain.lastFocused, Window.window, !(event.modifiers & Qt.ShiftModifier)) }
    Keys.onBacktabPressed: FocusChain.move(FocusChain.lastFocused, Window.window, false)
    Keys.onEscapePressed: function (event) {
        event.accepted = upItem.isGlobalSettingSelect
        if (event.accepted)
            upItem.isGlobalSettingSelect = false
    }

    signal fwStateChanged(bool _fwState, string _ver)
    onFwStateChanged: function (_fwState, _ver) { downItem.showFwState(_fwState, _ver) }

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

    function showWithPowerOnSound() {
        Scene.ui_View.playMedia_Index(1)
        mainIten.visible = true
        mainIten.forceActiveFocus()
    }

    // The close button, and the window system's close (Alt+F4, a compositor's close): both ask
    // first while pages hold unapplied edits.
    function requestClose() {
        main_Z9.whenSettled(() => scriptEnd.restart())
    }

    // Ctrl+Z steps back through the shown page's edits; Ctrl+Shift+Z and Ctrl+Y forward again.
    // Text fields keep these keys for their own text.
    Keys.onPressed: function (event) {
        const shift = (event.modifiers & Qt.ShiftModifier) !== 0
        const control = (event.modifiers & ~Qt.ShiftModifier & ~Qt.KeypadModifier) === Qt.ControlModifier
        const back = control && !shift && event.key === Qt.Key_Z
        const forth = control && (shift ? event.key === Qt.Key_Z : event.key === Qt.Key_Y)
        if (!back && !forth)
            return
        event.accepted = true
        // Nothing steps behind a panel laid over the pages.
        if (!askDialog.visible && !rulesPanel.isOpen && !keysPanel.visible)
            main_Z9.stepEdits(back)
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
        isSettingsOpen: upItem.isGlobalSettingSelect
        onAskRequested: askDialog.open()
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
                mainIten.requestClose()
        }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect) {
                _fkGlobalsetting.show()
            } else {
                // The focus does not stay behind in the closed panel.
                if (FocusChain.isWithin(mainIten.Window.activeFocusItem, _fkGlobalsetting))
                    focusSettingButton()
                _fkGlobalsetting.close()
            }
        }
    }

    Image {
        id: logoWeb_img
        objectName: "logoWeb_img"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 270
        opacity: 0
        source: Scene.skinDir + (logoMouse.containsMouse ? "frame/web_1.png" : "frame/web_0.png")
        function click() {
            Scene.ui_View.playMedia_Index(3)
            Qt.openUrlExternally(mainIten.globalSetting_webUrl)
        }
        MouseArea {
            id: logoMouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: logoWeb_img.click()
        }
        FocusTarget {
            objectName: "focusTarget"
            role: Accessible.Link
            name: Scene.sceneTexts.manual
            onActivated: logoWeb_img.click()
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
            onApplied: upItem.isGlobalSettingSelect = false
            onLanguageLoaded: mainIten.translateStrings()
            onRulesWanted: {
                upItem.isGlobalSettingSelect = false
                rulesPanel.open()
            }
            onKeysElsewhereWanted: {
                upItem.isGlobalSettingSelect = false
                keysPanel.open()
            }
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

    // The per-application profiles panel and, below, the question about unapplied edits are built
    // the first time they open, by document: the window opens without their types, objects, texts
    // and pictures, which most sittings never show.
    Loader {
        id: rulesPanel
        anchors.fill: parent
        active: false
        readonly property var panel: item
        readonly property bool isOpen: panel !== null && panel.visible
        function open() {
            active = true
            panel.open()
        }
        Component.onCompleted: setSource("basic/RulesPanel.qml", { "objectName": "rulesPanel" })
    }

    KeysElsewherePanel {
        id: keysPanel
        objectName: "keysPanel"
    }

    Item {
        id: askDialog
        objectName: "askDialog"
        anchors.fill: parent
        visible: false
        function open() {
            visible = true
            askLoader.active = true
            askLoader.dialog.open()
        }
        function answer(value) {
            if (askLoader.dialog)
                askLoader.dialog.answer(value)
        }
        Loader {
            id: askLoader
            readonly property var dialog: item
            anchors.fill: parent
            active: false
            Component.onCompleted: setSource("basic/PendingEditsDialog.qml")
        }
        Connections {
            target: askLoader.item
            function onAnswered(answer) {
                askDialog.visible = false
                mainIten.forceActiveFocus()
                main_Z9.settle(answer)
            }
        }
    }

    // Opening: power-on sound, the logo drops into the top bar, the background fades in.
    SequentialAnimation {
        id: script0
        ScriptAction {
            script: mainIten.showWithPowerOnSound()
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
        onFinished: console.debug(Scene.windowLog, "the opening has ended")
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
        onFinished: Scene.ui_Ctl.onMinimize()
    }
}
