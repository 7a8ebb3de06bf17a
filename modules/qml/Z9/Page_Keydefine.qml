import QtQuick
import "../common"
import "KeyDefineCodes.js" as KeyCodes

// The key definition page: the user selects a key on the keyboard picture and gives it another
// key, a combination, a media function or a macro. Edits stay in the page until the apply button
// sends the whole key table; the gaming-mode box switches the keyboard's mode at once.
Image {
    id: page
    source: Scene.sourceFnKeydefineBackground

    // The selected key's matrix position; a fresh start selects Esc.
    property alias curKeyMatrix: keyboard.curKeyMatrix
    // The key item pressed last.
    property var dragingKey: null
    property bool isGamingMode: false
    readonly property bool isDragging: dragingKey !== null && dragingKey.isPressed
    readonly property var comboInputs: [_menu2_3_KI1, _menu2_3_KI2, _menu2_3_KI3]
    readonly property int keyMatrixBytes: 512
    // Some key's code differs from the one the profile file holds, or a macro slot waits to be
    // written again.
    readonly property bool hasPendingEdits: keyboard.keys_matrix.some(key => key.isPending)
                                            || Object.keys(staleSlots).length > 0
    // What this page knows each keyboard slot to hold, by slot: the macro's name and its lines.
    // A slot is known once this page wrote it or a macro in step with it let it go.
    property var keyboardSlots: ({})
    // Slots that an undo or redo gave back to a macro while the keyboard's copy of the slot holds
    // another one this page wrote since: apply writes them again before the key table.
    property var staleSlots: ({})

    // Language string of each first-level menu entry, of the first MEDIA entry and of the box.
    readonly property var menuStrings: [46, 48, 49, 50]
    readonly property int mediaFirstString: 56
    readonly property int gamingModeString: 79

    // A step keeps, besides every key's code, which macro owned each slot the keys use.
    UndoHistory {
        id: history
        state: keyboard.keys_matrix.map(key => key.code())
        onRestoring: function (state, noted) { page.restoreKeys(state, noted) }

        function noteOf(codes) {
            return page.slotOwners(codes)
        }
    }

    // Like the page's own controls, undo and redo work only in gaming mode.
    function undo() {
        return controls.enabled && history.undo()
    }

    function redo() {
        return controls.enabled && history.redo()
    }

    function selectedKey() {
        return keyboard.keys_matrix[curKeyMatrix]
    }

    function keyCodes() {
        return keyboard.keys_matrix.map(key => key.code())
    }

    function initUI() {
        refreshMacroList()
        for (let i = 0; i < keyboard.keys_matrix.length; ++i) {
            const stored = KeyCodes.storedCode(Scene.ui_View.getKeydefine(i))
            if (stored)
                keyboard.keys_matrix[i].setCode(stored)
        }
        showSelectedCode()
        markKeysStored()
        staleSlots = {}
        history.reset()
    }

    function translateStrings() {
        const strings = Scene.globalSetting_stringList
        const text = (index, builtIn) => (strings && strings[index]) ? String(strings[index]) : builtIn
        for (let i = 0; i < menuModel.count; ++i)
            menuModel.setProperty(i, "textX", text(menuStrings[i], menuModel.get(i).textX))
        for (let i = 0; i < mediaModel.count; ++i)
            mediaModel.setProperty(i, "textX", text(mediaFirstString + i, mediaModel.get(i).textX))
        gamingModeText.text = text(gamingModeString, gamingModeText.text)
    }

    function showSelectedCode() {
        const key = selectedKey()
        if (key)
            keyCodeToUI(key.keyCode0, key.keyCode1, key.keyCode2, key.keyCode3)
    }

    // Shows a code in the menus: the menu of its kind with the code in its control.
    function keyCodeToUI(byte0, byte1, byte2, byte3) {
        const b = [parseInt(byte0), parseInt(byte1), parseInt(byte2), parseInt(byte3)]
        if (b[0] === KeyCodes.kindKey) {
            clearSecondLevel()
            if (KeyCodes.isSingleKey(b)) {
                _menu2_0.setKeycodeUSB(b[2])
                _menu1.setCurIndex(0)
            } else {
                for (let i = 0; i < comboInputs.length; ++i)
                    comboInputs[i].setKeycodeUSB(b[i + 1])
                _menu1.setCurIndex(2)
            }
        } else if (b[0] === KeyCodes.kindMedia) {
            if (b[1] !== 0 || b[2] === 0)
                return
            clearSecondLevel()
            _menu2_2.setCurIndex(KeyCodes.mediaIndex(b[2], b[3]))
            _menu1.setCurIndex(1)
        } else if (b[0] === KeyCodes.kindMacro) {
            if (b[3] !== 0)
                return
            clearSecondLevel()
            refreshMacroList()
            _menu2_4.setCurIndex(macroWithSlot(b[2]))
            _menu1.setCurIndex(3)
        } else {
            clearSecondLevel()
            _menu1.setCurIndex(-1)
        }
    }

    function clearSecondLevel() {
        _menu2_0.setKeycodeUSB(-1)
        for (const input of comboInputs)
            input.setKeycodeUSB(-1)
        _menu2_2.setCurIndex(-1)
        _menu2_4.setCurIndex(-1)
    }

    // --- the macro list and the keyboard's macro slots ---

    function macroNames() {
        const names = []
        for (let i = 0; i < macroModel.count; ++i)
            names.push(macroModel.get(i).textX)
        return names
    }

    // Reads the library again; the chosen macro stays chosen while it is still there.
    function refreshMacroList() {
        const current = _menu2_4.getCurIndex()
        const chosen = current >= 0 && current < macroModel.count ? macroModel.get(current).textX : null
        macroModel.clear()
        for (const file of Scene.ui_View.getMacroIniNames())
            macroModel.append({ "textX": String(file).slice(0, -4), "textR": "" })
        _menu2_4.setCurIndex(chosen === null ? -1 : macroNames().indexOf(chosen))
    }

    // The list index of the macro that owns the slot; the last one wins, -1 for none.
    function macroWithSlot(slot) {
        const names = macroNames()
        let found = -1
        for (let i = 0; i < names.length; ++i) {
            if (KeyCodes.macroConfig(Scene.ui_View.loadMacroIniConfig(names[i])).index === slot)
                found = i
        }
        return found
    }

    // Gives up the slots that no key uses any more.
    function refreshMacroIndex() {
        const used = KeyCodes.usedMacroSlots(keyCodes())
        for (const name of macroNames()) {
            const config = KeyCodes.macroConfig(Scene.ui_View.loadMacroIniConfig(name))
            if (config && config.index >= 0 && !used.has(config.index))
                letSlotGo(name, config.index)
        }
    }

    // While a macro owns a slot, every edit of it reaches the keyboard; so the slot it lets go
    // holds its lines as they are now, unless that slot waits to be written for it again.
    function letSlotGo(name, slot) {
        if (staleSlots[slot] !== name)
            noteSlotHolds(slot, name)
        Scene.ui_View.setMacroIniConfig(name, [-1, 1])
    }

    function noteSlotHolds(slot, name) {
        const known = Object.assign({}, keyboardSlots)
        known[slot] = { "name": name, "lines": macroLines(name) }
        keyboardSlots = known
    }

    function macroLines(name) {
        return JSON.stringify(Scene.ui_View.loadMacroIni(name))
    }

    // A macro key about to get another code first lets its slot go.
    function releaseMacroSlot(key) {
        if (key.keyCode0 !== KeyCodes.kindMacro)
            return
        key.setCode([0, 0, 0, 0])
        refreshMacroIndex()
    }

    function chooseMacro(index) {
        const key = selectedKey()
        if (index < 0 || index >= macroModel.count || !key)
            return
        const name = macroModel.get(index).textX
        releaseMacroSlot(key)
        key.setCode([0, 0, 0, 0])
        const config = KeyCodes.macroConfig(Scene.ui_View.loadMacroIniConfig(name))
        if (!config)
            return
        if (config.index >= 0) {
            key.setCode([KeyCodes.kindMacro, config.repeat, config.index, 0])
            return
        }
        const slot = KeyCodes.freeMacroSlot(keyCodes())
        if (slot < 0)
            return
        Scene.ui_View.setMacroIniConfig(name, [slot, 1])
        writeMacroSlot(slot, name)
        key.setCode([KeyCodes.kindMacro, 1, slot, 0])
    }

    function writeMacroSlot(slot, name) {
        Scene.ui_View.ui_11H_SetMacroKey(slot, name)
        noteSlotHolds(slot, name)
        const stale = Object.assign({}, staleSlots)
        delete stale[slot]
        staleSlots = stale
    }

    // The macro that owns each slot the codes use, with its repeat value, by slot.
    function slotOwners(codes) {
        const used = KeyCodes.usedMacroSlots(codes)
        const owners = {}
        for (const name of macroNames()) {
            const config = KeyCodes.macroConfig(Scene.ui_View.loadMacroIniConfig(name))
            if (config && used.has(config.index))
                owners[config.index] = [name, config.repeat]
        }
        return owners
    }

    // An undo or redo puts the codes back and the slots' owners with them. Nothing is sent.
    function restoreKeys(codes, owners) {
        for (let i = 0; i < codes.length; ++i)
            keyboard.keys_matrix[i].setCode(codes[i])
        const stale = {}
        for (const name of macroNames()) {
            const owned = Object.keys(owners).find(slot => owners[slot][0] === name)
            if (owned === undefined)
                releaseSlotOf(name, codes, owners)
            else if (reclaimSlot(name, Number(owned), owners[owned][1]) || staleSlots[owned] === name)
                stale[owned] = name
        }
        staleSlots = stale
        showSelectedCode()
    }

    // Gives the slot back to the macro; true when the keyboard's copy of the slot is known to
    // differ from the macro: another macro was written there since, or the macro was edited
    // while it owned no slot, which sends nothing.
    function reclaimSlot(name, slot, repeat) {
        const config = KeyCodes.macroConfig(Scene.ui_View.loadMacroIniConfig(name))
        if (!config || config.index === slot)
            return false
        Scene.ui_View.setMacroIniConfig(name, [slot, repeat])
        const held = keyboardSlots[slot]
        return held !== undefined && (held.name !== name || held.lines !== macroLines(name))
    }

    // A macro that owns no slot in the restored codes lets its slot go, as refreshMacroIndex does,
    // and also when another macro owned that slot then.
    function releaseSlotOf(name, codes, owners) {
        const config = KeyCodes.macroConfig(Scene.ui_View.loadMacroIniConfig(name))
        if (config && config.index >= 0
                && (!KeyCodes.usedMacroSlots(codes).has(config.index) || owners[config.index] !== undefined))
            letSlotGo(name, config.index)
    }

    function chooseMedia(index) {
        const key = selectedKey()
        if (index < 0 || !key)
            return
        releaseMacroSlot(key)
        key.setCode(KeyCodes.mediaCode(index))
    }

    // --- drag and drop onto the key inputs ---

    function isInside(control, point) {
        return control.visible && point.x >= control.x && point.x <= control.x + control.width
            && point.y >= control.y && point.y <= control.y + control.height
    }

    function inputsUnder(point) {
        if (!controls.enabled)
            return []
        return [_menu2_0].concat(comboInputs).filter(input => isInside(input, point))
    }

    function followDrag(key) {
        const under = inputsUnder(key.dragPos)
        for (const input of [_menu2_0].concat(comboInputs))
            input.isIn = under.indexOf(input) >= 0
    }

    // Every release of a key is a drop on the selected key, a plain click included.
    function dropKey(source) {
        const under = inputsUnder(source.dragPos)
        for (const input of [_menu2_0].concat(comboInputs))
            input.isIn = false
        putKey(under, source.keyCode_Default)
    }

    // A key typed while an input holds the focus goes into it, as a key dropped on it would. It
    // counts on its release, so Shift+Tab leaves the input without putting Shift into it; Tab
    // itself only leaves.
    function detectKeyboard(isDown, usbCode) {
        const listening = comboInputs.concat([_menu2_0]).filter(input => input.visible && input.isListening)
        if (!isDown && usbCode !== tabUsage && controls.enabled)
            putKey(listening, [KeyCodes.kindKey, 0, usbCode, 0])
    }

    readonly property int tabUsage: 0x2B

    // The selected key gets the key whose factory code is `code` through the inputs `under`: the
    // KEYBOARD input, or slots of the combination.
    function putKey(under, code) {
        const target = selectedKey()
        if (!target || under.length === 0)
            return
        const id = code[2]
        if (under[0] === _menu2_0) {
            releaseMacroSlot(target)
            target.setCode(code)
            _menu2_0.setKeycodeUSB(id)
            return
        }
        // A combination starts afresh from a code of another kind.
        if (target.keyCode0 !== KeyCodes.kindKey) {
            releaseMacroSlot(target)
            target.setCode([0, 0, 0, 0])
        }
        for (const input of under) {
            const slot = comboInputs.indexOf(input) + 1
            target["keyCode" + slot] = id
            input.setKeycodeUSB(id)
        }
    }

    // Clearing an input of a key of another kind empties the key first.
    function clearInput(slot) {
        const key = selectedKey()
        if (!key)
            return
        if (slot === 0 || key.keyCode0 !== KeyCodes.kindKey) {
            releaseMacroSlot(key)
            key.setCode([0, 0, 0, 0])
        }
        if (slot > 0)
            key["keyCode" + slot] = 0
    }

    function resetKey() {
        const key = selectedKey()
        if (!key)
            return
        releaseMacroSlot(key)
        key.setCode(key.keyCode_Default)
        showSelectedCode()
    }

    // The file now holds every key's code as the page shows it.
    function markKeysStored() {
        for (const key of keyboard.keys_matrix)
            key.markStored()
    }

    function applyKeys() {
        for (const slot in staleSlots)
            writeMacroSlot(Number(slot), staleSlots[slot])
        const matrix = []
        for (const key of keyboard.keys_matrix)
            matrix.push(key.keyCode0, key.keyCode1, key.keyCode2, key.keyCode3)
        while (matrix.length < keyMatrixBytes)
            matrix.push(0)
        Scene.ui_View.ui_0DH_SetKeyMatrix(matrix)
        markKeysStored()
        history.reset()
    }

    function toggleGamingMode() {
        isGamingMode = !isGamingMode
        Scene.ui_View.ui_09H_SetKeyboardMode(isGamingMode ? 1 : 0)
    }

    ListModel {
        id: menuModel
        ListElement { textX: "KEYBOARD" }
        ListElement { textX: "MEDIA" }
        ListElement { textX: "COMBO KEY" }
        ListElement { textX: "MACRO" }
    }

    ListModel {
        id: mediaModel
        ListElement { textX: "NEXT TRACK" }
        ListElement { textX: "PREVIOUS TRACK" }
        ListElement { textX: "STOP" }
        ListElement { textX: "PLAY / PAUSE" }
        ListElement { textX: "MUTE" }
        ListElement { textX: "VOLUME UP" }
        ListElement { textX: "VOLUME DOWN" }
        ListElement { textX: "MEDIA SELECT" }
        ListElement { textX: "MAIL" }
        ListElement { textX: "CALCULATOR" }
        ListElement { textX: "MY COMPUTER" }
        ListElement { textX: "WWW SEARCH" }
        ListElement { textX: "WWW HOME" }
        ListElement { textX: "WWW BACK" }
        ListElement { textX: "WWW FORWARD" }
        ListElement { textX: "WWW STOP" }
        ListElement { textX: "WWW REFRESH" }
        ListElement { textX: "WWW FAVORITES" }
    }

    ListModel {
        id: macroModel
    }

    Model_KeyDefine_Z9 {
        id: keyboard
        objectName: "keyboard"
        x: 23
        y: 97
        dragSpace: page
        onKeyPressed: function (key) { page.dragingKey = key }
        onKeyMoved: function (key) { page.followDrag(key) }
        onKeyReleased: function (key) { page.dropKey(key) }
        onKeyClicked: function (key) {
            page.curKeyMatrix = key.matrix
            page.showSelectedCode()
        }
    }

    // The menus, the inputs and the buttons work only in gaming mode.
    Item {
        id: controls
        objectName: "controls"
        anchors.fill: parent
        enabled: page.isGamingMode
        opacity: enabled ? 1.0 : 0.2

        DropdownList {
            id: _menu1
            objectName: "_menu1"
            x: 140
            y: 15
            mdItems: menuModel
            accessibleName: Scene.globalSetting_stringList[1]
            onListElementClicked: function (index) { page.clearSecondLevel() }
        }

        KeyInput {
            id: _menu2_0
            objectName: "_menu2_0"
            x: _menu1.x + _menu1.width + 20
            y: 15
            visible: _menu1.currentIndex === 0
            accessibleName: Scene.sceneTexts.keyInput
            onClearKey: page.clearInput(0)
        }

        DropdownList {
            id: _menu2_2
            objectName: "_menu2_2"
            x: _menu2_0.x
            y: 15
            visible: _menu1.currentIndex === 1
            mdItems: mediaModel
            accessibleName: Scene.globalSetting_stringList[48]
            onListElementClicked: function (index) { page.chooseMedia(index) }
        }

        KeyInput {
            id: _menu2_3_KI1
            objectName: "_menu2_3_KI1"
            x: _menu2_0.x + 0 * (width + 10)
            y: 15
            visible: _menu1.currentIndex === 2
            accessibleName: Scene.sceneTexts.keyInput + " 1"
            onClearKey: page.clearInput(1)
        }

        KeyInput {
            id: _menu2_3_KI2
            objectName: "_menu2_3_KI2"
            x: _menu2_0.x + 1 * (width + 10)
            y: 15
            visible: _menu1.currentIndex === 2
            accessibleName: Scene.sceneTexts.keyInput + " 2"
            onClearKey: page.clearInput(2)
        }

        KeyInput {
            id: _menu2_3_KI3
            objectName: "_menu2_3_KI3"
            x: _menu2_0.x + 2 * (width + 10)
            y: 15
            visible: _menu1.currentIndex === 2
            accessibleName: Scene.sceneTexts.keyInput + " 3"
            onClearKey: page.clearInput(3)
        }

        FileListButton {
            id: _menu2_4
            objectName: "_menu2_4"
            x: _menu2_0.x
            y: 15
            visible: _menu1.currentIndex === 3
            mdItems: macroModel
            accessibleName: Scene.globalSetting_stringList[50]
            onRequestToUpdateList: page.refreshMacroList()
            onListElementClicked: function (index) { page.chooseMacro(index) }
        }

        Image {
            id: buttonFrame
            x: _menu1.x + 420 - 4
            y: 11
            source: Scene.sourceFram2btn
        }

        Button_2state {
            objectName: "resetButton"
            x: buttonFrame.x + 4
            y: buttonFrame.y + 4
            source0: Scene.sourceReset0
            source1: Scene.sourceReset1
            accessibleName: Scene.globalSetting_stringList[77]
            onClicked: page.resetKey()
        }

        Button_2state {
            objectName: "applyButton"
            x: buttonFrame.x + 4 + 64 + 4
            y: buttonFrame.y + 4
            source0: Scene.sourceApply0
            source1: Scene.sourceApply1
            accessibleName: Scene.sceneTexts.apply
            onClicked: page.applyKeys()
            PendingMark { shown: page.hasPendingEdits }
        }
    }

    Item {
        id: gamingMode
        objectName: "gamingMode"
        x: 55
        y: 305
        width: gamingModeText.x + gamingModeText.width
        height: Math.max(gamingModeBox.height, gamingModeText.height)

        Image {
            id: gamingModeBox
            anchors.verticalCenter: parent.verticalCenter
            source: page.isGamingMode ? Scene.sourceCHK1 : Scene.sourceCHK0
        }
        Text {
            id: gamingModeText
            objectName: "gamingModeText"
            Accessible.ignored: true
            anchors.left: gamingModeBox.right
            anchors.leftMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            text: "GAMING MODE"
            font.family: Scene.globalSetting_fontFamily
            font.pixelSize: Scene.globalSetting_size
            font.bold: true
            color: gamingModeMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
        }
        MouseArea {
            id: gamingModeMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: page.toggleGamingMode()
        }
        FocusTarget {
            objectName: "focusTarget"
            role: Accessible.CheckBox
            name: gamingModeText.text
            checkable: true
            checked: page.isGamingMode
            onActivated: page.toggleGamingMode()
        }
    }

    // The copy of the pressed key that follows the pointer.
    KeyCap {
        id: dragCopy
        objectName: "dragCopy"
        z: 10
        visible: page.isDragging
        keyType: page.dragingKey ? page.dragingKey.keyType : 0
        label: page.dragingKey ? page.dragingKey.name : ""
        x: page.dragingKey ? page.dragingKey.dragPos.x - width / 2 : 0
        y: page.dragingKey ? page.dragingKey.dragPos.y - height / 2 : 0
        opacity: page.isDragging && page.inputsUnder(page.dragingKey.dragPos).length > 0 ? 0.5 : 1.0
    }
}
