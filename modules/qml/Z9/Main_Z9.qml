import QtQuick
import "../common"

// Everything of the Z9 keyboard: the function menu, the profile menu and the four device pages.
Item {
    id: mainZ9
    width: 1000
    height: 600

    property var hwDef: []
    // While the settings panel is open, the menus and pages take no input.
    required property bool isSettingsOpen

    KeyCodeString {
        id: _KeyCodeString
    }
    Binding { target: Scene; property: "keyCodeString"; value: _KeyCodeString }

    function keyCodeString() {
        return _KeyCodeString
    }

    // Set by the first initUI: a page built after it catches up on its own when it is loaded.
    property bool isInitialised: false

    readonly property var pageSlots: [keydefineSlot, macroSlot, colorSlot, backlightSlot]
    readonly property bool hasPendingEdits: pageSlots.some(slot => slot.hasPendingEdits)

    // What waits for the answer to the question about unapplied edits.
    property var pendingLeave: null
    signal askRequested

    // Runs proceed at once without unapplied edits; otherwise asks first (settle gets the answer).
    function whenSettled(proceed) {
        if (!hasPendingEdits) {
            proceed()
            return
        }
        pendingLeave = proceed
        askRequested()
    }

    // 0: apply the edits, then go on; 1: go on without them; 2: stay.
    function settle(answer) {
        const proceed = pendingLeave
        pendingLeave = null
        if (!proceed || answer === 2)
            return
        if (answer === 0)
            applyPendingEdits()
        proceed()
    }

    // Sends the edits of every page that holds some, each with the page's own apply.
    function applyPendingEdits() {
        for (const slot of pageSlots) {
            if (slot.hasPendingEdits)
                slot.call(slot.applyFunction)
        }
    }

    // One step back (or forward) through the edits of the page that is shown.
    function stepEdits(back) {
        const slot = pageSlots[pageArea.curID]
        if (isSettingsOpen || !slot || !slot.page)
            return false
        return slot.page[back ? "undo" : "redo"]() === true
    }

    function initArgs(slot) {
        return slot === colorSlot ? [true, hwDef] : []
    }

    function initUI() {
        hwDef = Scene.ui_View.loadHWDef()
        _KeyCodeString.initUI(true, hwDef)
        isInitialised = true
        for (const slot of pageSlots)
            slot.call("initUI", initArgs(slot))
    }

    // A page that did not exist when the steps before it ran gets them now.
    function catchUp(slot) {
        slot.call("translateStrings")
        if (isInitialised)
            slot.call("initUI", initArgs(slot))
    }

    // The page a user asks for is built while the pages swap; the first one during the opening.
    function wantPage(index) {
        if (index >= 0 && index < pageSlots.length)
            pageSlots[index].wanted = true
    }

    function detectKeyboard(isDown, usbCode) {
        macroSlot.call("detectKeyboard", [isDown, usbCode])
        colorSlot.call("detectKeyboard", [isDown, usbCode])
        keydefineSlot.call("detectKeyboard", [isDown, usbCode])
    }

    function detectMouse(isDown, brixCode, x, y) {
    }

    function playOnPowerOn() {
        menuFunc.visible = true
        menuProf.visible = true
        wantPage(menuFunc.currentIndex)
        powerOn.restart()
    }

    function callPages(functionName) {
        for (const slot of pageSlots)
            slot.call(functionName)
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
        Scene.ui_View.ui_02H_SetCurrentProfile(index)
        keydefineSlot.call("initUI")
        colorSlot.call("initUI")
        backlightSlot.call("initUI")
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
            Scene.ui_View.playMedia_Index(0x02)
            mainZ9.wantPage(index)
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

            PageSlot {
                id: keydefineSlot
                pageIndex: 0
                applyFunction: "applyKeys"
                // The loaded page takes the slot's size.
                width: pageArea.width
                height: pageArea.height
                visible: pageArea.curID === pageIndex
                onPageLoaded: mainZ9.catchUp(keydefineSlot)
                pageSource: "Page_Keydefine.qml"
                pageName: "_Page_Keydefine"
            }
            PageSlot {
                id: macroSlot
                pageIndex: 1
                y: 46
                width: pageArea.width
                height: pageArea.height - 46
                visible: pageArea.curID === pageIndex
                onPageLoaded: mainZ9.catchUp(macroSlot)
                pageSource: "Page_Macro.qml"
                pageName: "_Page_Macro"
            }
            PageSlot {
                id: colorSlot
                pageIndex: 2
                applyFunction: "apply"
                visible: pageArea.curID === pageIndex
                onPageLoaded: mainZ9.catchUp(colorSlot)
                pageSource: "Page_Color.qml"
                pageName: "_Page_Color"
            }
            PageSlot {
                id: backlightSlot
                pageIndex: 3
                applyFunction: "pageApply"
                y: 46
                visible: pageArea.curID === pageIndex
                onPageLoaded: mainZ9.catchUp(backlightSlot)
                onVisibleChanged: {
                    if (visible)
                        call("syncColor")
                }
                pageSource: "Page_BackLighting.qml"
                pageName: "_Page_Backlight"
            }
        }

        NumberAnimation {
            id: slideOut
            target: pages
            property: "x"
            from: 0
            to: -2 * pageArea.width
            easing.type: Easing.InCubic
            duration: Scene.animation_speed * 0.5
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
            duration: Scene.animation_speed * 0.5
            onFinished: console.debug(Scene.windowLog, "page " + pageArea.curID + " has slid in")
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
        pendingEntries: mainZ9.pageSlots.map(slot => slot.hasPendingEdits)
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
        onSwitchRequested: function (index) { mainZ9.whenSettled(() => menuProf.select(index)) }
        onReloadRequested: function (action, profile) {
            mainZ9.whenSettled(() => menuProf.runContextAction(action, profile))
        }
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
            duration: Scene.animation_speed
        }
        NumberAnimation {
            target: menuFunc
            property: "x"
            from: -150
            to: 8
            easing.type: Easing.OutElastic
            duration: Scene.animation_speed
        }
        onFinished: {
            pageArea.visible = true
            pageArea.curID = menuFunc.currentIndex
            slideIn.restart()
        }
    }
}
