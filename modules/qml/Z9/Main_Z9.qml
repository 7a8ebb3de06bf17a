import QtQuick

// Everything of the Z9 keyboard: the function menu, the profile menu and the four device pages.
Item {
    id: mainZ9
    width: 1000
    height: 600

    property var hwDef: []
    readonly property bool isSettingsOpen: upItem.isGlobalSettingSelect

    KeyCodeString {
        id: _KeyCodeString
    }

    function keyCodeString() {
        return _KeyCodeString
    }

    // The device pages come with their own documents; a page that has not got a function yet
    // simply does not take part in that step.
    function callPage(pageItem, functionName, args) {
        if (typeof pageItem[functionName] === "function")
            pageItem[functionName].apply(pageItem, args || [])
    }

    function initUI() {
        hwDef = ui_View.loadHWDef()
        _KeyCodeString.initUI(true, hwDef)
        callPage(_Page_Keydefine, "initUI", [])
        callPage(_Page_Macro, "initUI", [])
        callPage(_Page_Color, "initUI", [true, hwDef])
        callPage(_Page_Backlight, "initUI", [])
    }

    function detectKeyboard(isDown, usbCode) {
        callPage(_Page_Macro, "detectKeyboard", [isDown, usbCode])
        callPage(_Page_Color, "detectKeyboard", [isDown, usbCode])
    }

    function detectMouse(isDown, brixCode, x, y) {
    }

    function playOnPowerOn() {
        menuFunc.visible = true
        menuProf.visible = true
        powerOn.restart()
    }

    function callPages(functionName) {
        for (let i = 0; i < pages.children.length; ++i)
            callPage(pages.children[i], functionName, [])
    }

    function setSkin() {
        callPages("setSkin")
    }

    function translateStrings() {
        menuFunc.translateStrings()
        menuProf.translateStrings()
        callPages("translateStrings")
    }

    // The profile's key table and lighting are read again after a profile change.
    function reloadProfile(index) {
        ui_View.ui_02H_SetCurrentProfile(index)
        callPage(_Page_Keydefine, "initUI", [])
        callPage(_Page_Color, "initUI", [])
        callPage(_Page_Backlight, "initUI", [])
    }

    Item {
        id: pageArea
        objectName: "pageArea"
        x: 171
        y: 96
        width: 759
        height: 442
        clip: true
        visible: false
        enabled: !mainZ9.isSettingsOpen
        opacity: 0.2 + 0.8 * enabled

        property int curID: -1
        property int pendingIndex: -1

        function showIndex(index) {
            ui_View.playMedia_Index(0x02)
            if (slideOut.running) {
                pendingIndex = index
                slideOut.complete()
            } else if (slideIn.running) {
                curID = index
                slideIn.complete()
            } else if (index === -1) {
                pendingIndex = -1
                slideOut.start()
            } else if (pendingIndex < 0) {
                pendingIndex = index
                curID = index
                slideIn.start()
            } else {
                pendingIndex = index
                slideOut.start()
            }
        }

        Item {
            id: pages
            objectName: "pages"
            width: pageArea.width
            height: pageArea.height

            Page_Keydefine {
                id: _Page_Keydefine
                objectName: "_Page_Keydefine"
                width: pageArea.width
                height: pageArea.height
                visible: pageArea.curID === 0
            }
            Page_Macro {
                id: _Page_Macro
                objectName: "_Page_Macro"
                y: 46
                width: pageArea.width
                height: pageArea.height - 46
                visible: pageArea.curID === 1
            }
            Page_Color {
                id: _Page_Color
                objectName: "_Page_Color"
                visible: pageArea.curID === 2
            }
            Page_BackLighting {
                id: _Page_Backlight
                objectName: "_Page_Backlight"
                y: 46
                visible: pageArea.curID === 3
                onVisibleChanged: {
                    if (visible)
                        mainZ9.callPage(_Page_Backlight, "syncColor", [])
                }
            }
        }

        NumberAnimation {
            id: slideOut
            target: pages
            property: "x"
            from: 0
            to: -2 * pageArea.width
            easing.type: Easing.InCubic
            duration: animation_speed * 0.5
            onFinished: {
                pageArea.curID = pageArea.pendingIndex
                if (pageArea.curID >= 0)
                    slideIn.start()
            }
        }

        NumberAnimation {
            id: slideIn
            target: pages
            property: "x"
            from: -2 * pageArea.width
            to: 0
            easing.type: Easing.OutCubic
            duration: animation_speed * 0.5
        }
    }

    Menu_Func {
        id: menuFunc
        objectName: "menuFunc"
        x: -150
        y: 96
        visible: false
        enabled: !mainZ9.isSettingsOpen
        opacity: 0.2 + 0.8 * enabled
        onFuncClicked: function (index) { pageArea.showIndex(index) }
    }

    Menu_Prof {
        id: menuProf
        objectName: "menuProf"
        x: 1000
        y: 60
        visible: false
        enabled: !mainZ9.isSettingsOpen && pageArea.curID !== 1
        opacity: 0.2 + 0.8 * enabled
        onProfileSelected: function (index) { mainZ9.reloadProfile(index) }
        onProfileReloaded: function (index) { mainZ9.reloadProfile(index) }
    }

    // The frame's own opening: both menus swing in, then the current page slides in.
    ParallelAnimation {
        id: powerOn
        NumberAnimation {
            target: menuProf
            property: "x"
            from: 1000
            to: 1000 - menuProf.width - 8
            easing.type: Easing.OutElastic
            duration: animation_speed
        }
        NumberAnimation {
            target: menuFunc
            property: "x"
            from: -150
            to: 8
            easing.type: Easing.OutElastic
            duration: animation_speed
        }
        onFinished: {
            pageArea.visible = true
            pageArea.curID = menuFunc.currentIndex
            slideIn.restart()
        }
    }
}
