import QtQuick
import "../common"

// The macro library and the lines of one macro: record them from the keyboard, add keys and
// delays by hand, and edit them. Every edit is stored at once, and the keyboard's slot follows.
Item {
    id: page
    width: 759
    height: 396

    readonly property string commandDown: "    [Down]"
    readonly property string commandUp: "      [Up]"
    readonly property string commandDelay: "   [Delay]"

    property bool isRecordStart: false
    property string scrapbook: ""
    property bool isUnlimitedCopy: false
    property int capturedKeycode: 0
    property string capturedName: ""
    property bool isSelectKey: false
    property int delayValue: 1000

    readonly property bool hasMacro: macroList.lvItems.currentIndex >= 0
    readonly property bool hasLine: actionList.lvItems.currentIndex >= 0
    // The lines as the macro's file holds them since the last save.
    property var savedLines: []

    // Steps through the saved versions of the open macro; a recording is one step at its stop.
    UndoHistory {
        id: history
        state: page.savedLines
        holding: page.isRecordStart
        onRestoring: function (state) { page.restoreLines(state) }
    }

    // Keys pressed while a recording or the key capture waits belong to them, not to undo.
    readonly property bool isCapturing: isRecordStart || isSelectKey

    function undo() {
        return !isCapturing && history.undo()
    }

    function redo() {
        return !isCapturing && history.redo()
    }

    // An undo is an edit like the others: the lines go back into the file, and so to the
    // macro's keyboard slot when it has one.
    function restoreLines(lines) {
        const selected = actionList.lvItems.currentIndex
        actionModel.clear()
        for (const line of lines)
            actionModel.append(splitLine(line))
        actionList.lvItems.currentIndex = Math.min(selected, actionModel.count - 1)
        save()
    }

    function initUI() {
        refreshMacroFiles()
    }

    // Both lists start without a selection when they are filled anew.
    function refreshMacroFiles() {
        macroModel.clear()
        for (const fileName of Scene.ui_View.getMacroIniNames())
            macroModel.append({ "textX": fileName.slice(0, -4), "textR": "" })
        macroList.lvItems.currentIndex = -1
    }

    function refreshMacroActions() {
        actionModel.clear()
        for (const line of Scene.ui_View.loadMacroIni(getCurrentMacroName()))
            actionModel.append(splitLine(line))
        actionList.lvItems.currentIndex = -1
        savedLines = getAllMacroActions()
        history.reset()
    }

    function getCurrentMacroName() {
        const index = macroList.lvItems.currentIndex
        return index >= 0 && index < macroModel.count ? macroModel.get(index).textX : undefined
    }

    function getAllMacroActions() {
        const lines = []
        for (let i = 0; i < actionModel.count; ++i)
            lines.push(lineAt(i))
        return lines
    }

    function getCurrentMacroActions() {
        const index = actionList.lvItems.currentIndex
        return index >= 0 && index < actionModel.count ? lineAt(index) : undefined
    }

    // The key (usage id) whose press armed the capture or started the recording from the keyboard:
    // its own press and release are not the key wanted.
    property int armingKey: 0

    function detectKeyboard(isDown, usbCode) {
        if (armingKey !== 0 && usbCode === armingKey) {
            if (!isDown)
                armingKey = 0
            return
        }
        const name = Scene.keyCodeString.keycodeTostr(usbCode)
        if (name === undefined)
            return
        if (isSelectKey) {
            capturedKeycode = usbCode
            capturedName = name
            isSelectKey = false
        }
        if (isRecordStart) {
            actionModel.append({ "textX": name, "textR": isDown ? commandDown : commandUp })
            actionList.lvItems.positionViewAtEnd()
        }
    }

    // A line is its operand followed by its command, the last 10 characters.
    function splitLine(line) {
        return { "textX": line.slice(0, -10), "textR": line.slice(-10) }
    }

    function lineAt(index) {
        const entry = actionModel.get(index)
        return entry.textX + entry.textR
    }

    // A failed save leaves no file to step back in.
    function save() {
        if (Scene.ui_View.saveMacroIni(getCurrentMacroName(), getAllMacroActions())) {
            // Every save is one whole edit.
            savedLines = getAllMacroActions()
            history.commit()
            return
        }
        actionModel.clear()
        savedLines = []
        history.reset()
    }

    // Puts lines in front of the selected one, which stays selected, or after the last.
    function insertLines(entries) {
        const view = actionList.lvItems
        const selected = view.currentIndex
        if (selected < 0) {
            for (const entry of entries)
                actionModel.append(entry)
        } else {
            for (let i = 0; i < entries.length; ++i)
                actionModel.insert(selected + i, entries[i])
            view.currentIndex = selected + entries.length
        }
        save()
    }

    // Removes the selected entry; the selection moves to the entry now in its place, or the last.
    function removeSelected(model, view) {
        const selected = view.currentIndex
        model.remove(selected)
        view.currentIndex = Math.min(selected, model.count - 1)
    }

    function addMacro() {
        const name = String(Scene.ui_View.createMacroIni())
        if (name === "")
            return
        macroModel.append({ "textX": name, "textR": "" })
        macroList.lvItems.currentIndex = macroModel.count - 1
        refreshMacroActions()
    }

    function deleteMacro() {
        if (!Scene.ui_View.deleteMacroIni(getCurrentMacroName()))
            return
        removeSelected(macroModel, macroList.lvItems)
        refreshMacroActions()
    }

    // Started from the keyboard, the recording skips the key that started it, which the key
    // listener may report after the start.
    function startRecording() {
        actionModel.clear()
        isRecordStart = getCurrentMacroName() !== undefined
        armingKey = armingUsages[recordPair.first.activatingKey] || 0
    }

    // Stop goes off once recording stops: the focus goes back to record (a record button that
    // goes off hands it on to stop, the control after it). Stopped from the keyboard, the press
    // of the stopping key, which the key listener may have reported first, is not recorded.
    function stopRecording() {
        const hadFocus = recordPair.second.hasFocus
        const stopping = armingUsages[recordPair.second.activatingKey]
        if (stopping !== undefined && actionModel.count > 0) {
            const last = actionModel.get(actionModel.count - 1)
            if (last.textX === Scene.keyCodeString.keycodeTostr(stopping) && last.textR === commandDown)
                actionModel.remove(actionModel.count - 1)
        }
        armingKey = 0
        isRecordStart = false
        save()
        if (hadFocus)
            recordPair.first.takeFocus()
    }

    function deleteLine() {
        removeSelected(actionModel, actionList.lvItems)
        save()
    }

    function cutLine() {
        isUnlimitedCopy = false
        scrapbook = getCurrentMacroActions()
        deleteLine()
    }

    function copyLine() {
        isUnlimitedCopy = true
        scrapbook = getCurrentMacroActions()
    }

    function pasteLine() {
        const entry = splitLine(scrapbook)
        if (!isUnlimitedCopy)
            scrapbook = ""
        insertLines([entry])
    }

    function toggleKeyCapture() {
        armingKey = 0
        capturedKeycode = 0
        capturedName = ""
        isSelectKey = !isSelectKey
    }

    // Space, Enter and keypad Enter arm the capture and start or stop a recording as a click does;
    // the key listener reports the same key too, which is not one to capture or record.
    readonly property var armingUsages: ({ [Qt.Key_Space]: 0x2C, [Qt.Key_Return]: 0x28, [Qt.Key_Enter]: 0x58 })

    function toggleKeyCaptureByKey(key) {
        toggleKeyCapture()
        if (isSelectKey)
            armingKey = armingUsages[key]
    }

    function addCapturedKey() {
        insertLines([{ "textX": capturedName, "textR": commandDown },
                     { "textX": capturedName, "textR": commandUp }])
    }

    function addDelay() {
        insertLines([{ "textX": String(delayValue), "textR": commandDelay }])
    }

    ListModel {
        id: macroModel
    }

    ListModel {
        id: actionModel
    }

    Image {
        source: Scene.sourceFnMacroBackground
    }

    // A list's title over the rail the background draws above it.
    component ListTitle: Text {
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: Scene.globalSetting_color_enable
    }

    component DelayText: Text {
        anchors.verticalCenter: parent.verticalCenter
        font.family: "Arial"
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: Scene.globalSetting_color_enable
    }

    ListTitle {
        x: macroList.x
        y: macroList.y - 30
        text: Scene.globalSetting_stringList[44]
    }

    FileList {
        id: macroList
        objectName: "macroList"
        x: 119
        y: 55
        enabled: !page.isRecordStart
        opacity: enabled ? 1.0 : 0.5
        mdItems: macroModel
        accessibleName: Scene.globalSetting_stringList[44]
        onListElementClicked: page.refreshMacroActions()
    }

    ButtonPair {
        x: macroList.x + (macroList.width - width) / 2
        y: macroList.y + macroList.height + 8
        first.objectName: "macroAdd"
        first.source0: Scene.sourceAdd0
        first.source1: Scene.sourceAdd1
        first.accessibleName: Scene.sceneTexts.add
        first.enabled: !page.isRecordStart
        onFirstClicked: page.addMacro()
        second.objectName: "macroDelete"
        second.source0: Scene.sourceDelete0
        second.source1: Scene.sourceDelete1
        second.accessibleName: Scene.globalSetting_stringList[80]
        second.enabled: page.hasMacro && !page.isRecordStart
        onSecondClicked: page.deleteMacro()
    }

    ListTitle {
        id: actionTitle
        x: actionList.x
        y: actionList.y - 30
        text: Scene.globalSetting_stringList[45]
        color: page.isRecordStart ? Scene.globalSetting_color : Scene.globalSetting_color_enable
    }

    // Shown while recording runs.
    Text {
        objectName: "recordingMark"
        anchors.left: actionTitle.right
        anchors.leftMargin: 8
        anchors.verticalCenter: actionTitle.verticalCenter
        visible: page.isRecordStart
        text: "● REC"
        font.family: "Arial"
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: "#FFFF4040"
        SequentialAnimation on opacity {
            running: page.isRecordStart
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.3; duration: 600 }
            NumberAnimation { from: 0.3; to: 1.0; duration: 600 }
        }
    }

    FileList {
        id: actionList
        objectName: "actionList"
        x: 468
        y: 55
        mdItems: actionModel
        accessibleName: Scene.globalSetting_stringList[45]
    }

    ButtonPair {
        id: recordPair
        x: actionList.x + (actionList.width - width) / 2
        y: actionList.y + actionList.height + 8
        first.objectName: "record"
        first.source0: Scene.sourceRecord0
        first.source1: Scene.sourceRecord1
        first.accessibleName: Scene.sceneTexts.record
        first.enabled: page.hasMacro && !page.isRecordStart
        onFirstClicked: page.startRecording()
        second.objectName: "stop"
        second.source0: Scene.sourceStop0
        second.source1: Scene.sourceStop1
        second.accessibleName: Scene.sceneTexts.stop
        second.enabled: page.isRecordStart
        onSecondClicked: page.stopRecording()
    }

    // The edit buttons, each with its hint while the pointer is over it.
    Column {
        id: editButtons
        x: 446
        y: 77
        spacing: 8

        Repeater {
            id: editRepeater
            model: [
                { "name": "editDelete", "hint": 80, "icon0": Scene.sourceSolidDelete0, "icon1": Scene.sourceSolidDelete1 },
                { "name": "editCut", "hint": 81, "icon0": Scene.sourceSolidCut0, "icon1": Scene.sourceSolidCut1 },
                { "name": "editPaste", "hint": 82, "icon0": Scene.sourceSolidPaste0, "icon1": Scene.sourceSolidPaste1 },
                { "name": "editCopy", "hint": 83, "icon0": Scene.sourceSolidCopy0, "icon1": Scene.sourceSolidCopy1 }
            ]
            Button_2state {
                required property var modelData
                objectName: modelData.name
                source0: modelData.icon0
                source1: modelData.icon1
                accessibleName: Scene.globalSetting_stringList[modelData.hint]
                enabled: modelData.name === "editPaste" ? page.scrapbook !== "" && page.hasMacro
                                                        : page.hasLine
                onClicked: {
                    if (modelData.name === "editDelete")
                        page.deleteLine()
                    else if (modelData.name === "editCut")
                        page.cutLine()
                    else if (modelData.name === "editPaste")
                        page.pasteLine()
                    else
                        page.copyLine()
                }
            }
        }
    }

    Text {
        id: editHint
        objectName: "editHint"
        readonly property int hoveredIndex: {
            for (let i = 0; i < editRepeater.count; ++i) {
                const button = editRepeater.itemAt(i)
                if (button && button.mouse.containsMouse)
                    return i
            }
            return -1
        }
        readonly property Item hovered: hoveredIndex >= 0 ? editRepeater.itemAt(hoveredIndex) : null
        visible: hovered !== null
        text: hovered ? Scene.globalSetting_stringList[editRepeater.model[hoveredIndex].hint] : ""
        x: editButtons.x - width - 8
        y: hovered ? editButtons.y + hovered.y + (hovered.height - height) / 2 : 0
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: Scene.globalSetting_color
    }

    // The key capture field: a click waits for the next key.
    Rectangle {
        id: keyCapture
        objectName: "keyCapture"
        x: 290
        y: 205
        width: 146
        height: 23
        color: "#FF000000"
        border.width: 1
        border.color: (captureMouse.containsMouse || page.isSelectKey) ? Scene.globalSetting_color
                                                                       : Scene.globalSetting_color_enable

        Text {
            objectName: "keyCaptureText"
            anchors.centerIn: parent
            text: page.capturedKeycode === 0 ? "【 PRESS ANY KEY 】" : "KEY 【 " + page.capturedName + " 】"
            font.family: "Arial"
            font.pixelSize: Scene.globalSetting_size
            font.bold: true
            color: page.isSelectKey ? Scene.globalSetting_color : Scene.globalSetting_color_enable
        }

        MouseArea {
            id: captureMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: page.toggleKeyCapture()
        }

        // While it waits for a key it takes Tab too: Tab is a key a macro may want.
        FocusTarget {
            objectName: "focusTarget"
            name: Scene.sceneTexts.keyCapture
            description: page.capturedName
            checkable: true
            checked: page.isSelectKey
            activatesOnKeys: false
            holdsTab: page.isSelectKey
            onActivated: page.toggleKeyCapture()
            Keys.onPressed: function (event) {
                event.accepted = page.armingUsages[event.key] !== undefined && !event.isAutoRepeat
                if (event.accepted)
                    page.toggleKeyCaptureByKey(event.key)
            }
        }
    }

    Button_2state {
        objectName: "keyAdd"
        x: editButtons.x
        y: keyCapture.y + (keyCapture.height - height) / 2
        source0: Scene.sourceAdd0
        source1: Scene.sourceAdd1
        accessibleName: Scene.sceneTexts.addKey
        enabled: page.hasMacro && page.capturedKeycode !== 0
        onClicked: page.addCapturedKey()
    }

    // The delay field: a typed number counts once Enter is pressed.
    Row {
        id: delayField
        x: keyCapture.x
        y: keyCapture.y + keyCapture.height + 10
        height: 23

        DelayText {
            text: "DELAY【 "
        }
        Item {
            width: 50
            height: parent.height
            Rectangle {
                anchors.fill: parent
                color: "#FF000000"
                border.width: 1
                border.color: delayInput.activeFocus ? Scene.globalSetting_color : Scene.globalSetting_color_enable
            }
            FocusInput {
                id: delayInput
                accessibleName: Scene.sceneTexts.delay
                markOffset: 3
                objectName: "delayInput"
                anchors.fill: parent
                anchors.margins: 3
                horizontalAlignment: TextInput.AlignRight
                verticalAlignment: TextInput.AlignVCenter
                maximumLength: 5
                validator: IntValidator {
                    bottom: 0
                    top: 65535
                }
                text: String(page.delayValue)
                font.family: "Arial"
                font.pixelSize: Scene.globalSetting_size
                font.bold: true
                color: Scene.globalSetting_color
                selectByMouse: true
                onAccepted: page.delayValue = parseInt(text)
                // A number left without Enter does not count: show the delay that does.
                onActiveFocusChanged: {
                    if (!activeFocus)
                        text = String(page.delayValue)
                }
            }
        }
        DelayText {
            text: " 】ms"
        }
    }

    Button_2state {
        objectName: "delayAdd"
        x: editButtons.x
        y: delayField.y + (delayField.height - height) / 2
        source0: Scene.sourceAdd0
        source1: Scene.sourceAdd1
        accessibleName: Scene.sceneTexts.addDelay
        enabled: page.hasMacro && page.delayValue > 0
        onClicked: page.addDelay()
    }
}
