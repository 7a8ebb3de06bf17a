import QtQuick
import "../common"

// Per-application profiles: which profile the keyboard takes while an application has the focus.
// The background service follows the rules file; every change here is written at once. It covers
// the window, so nothing behind it takes a click while it is open. Esc closes it.
Item {
    id: panel
    anchors.fill: parent
    visible: false

    readonly property int leaveProfile: 0
    property var rules: []
    property bool following: true
    property int defaultProfile: leaveProfile
    property bool damaged: false
    property bool saveFailed: false
    property var status: ({ "service": false })
    property int newProfile: 1
    // Where the focus was before the panel opened; it goes back there when the panel closes.
    property Item focusBefore: null

    function open() {
        const stored = Scene.ui_View.loadFocusRules()
        rules = stored.rules
        following = stored.enabled
        defaultProfile = stored.defaultProfile
        damaged = stored.damaged
        saveFailed = false
        status = Scene.ui_View.focusStatus()
        focusBefore = Window.activeFocusItem
        visible = true
        // Tab stays within the panel while it is open.
        FocusChain.modalRoot = box
        appField.forceActiveFocus()
    }

    function close() {
        visible = false
        FocusChain.modalRoot = null
        if (focusBefore)
            focusBefore.forceActiveFocus()
    }

    function save() {
        saveFailed = !Scene.ui_View.saveFocusRules({ "enabled": following,
                                                     "defaultProfile": defaultProfile,
                                                     "rules": rules })
        if (!saveFailed)
            damaged = false
    }

    function changeRules(change) {
        const next = rules.slice()
        change(next)
        rules = next
        save()
    }

    function addRule(application, profile) {
        const name = application.trim()
        if (name === "")
            return
        changeRules(list => {
            const same = list.findIndex(rule => rule.application.toLowerCase() === name.toLowerCase())
            if (same >= 0)
                list[same] = { "application": list[same].application, "profile": profile }
            else
                list.push({ "application": name, "profile": profile })
        })
        appField.text = ""
    }

    function removeRule(index) {
        changeRules(list => list.splice(index, 1))
    }

    function moveRule(index, step) {
        const target = index + step
        if (target < 0 || target >= rules.length)
            return
        changeRules(list => list.splice(target, 0, list.splice(index, 1)[0]))
    }

    function setRuleProfile(index, profile) {
        changeRules(list => { list[index] = { "application": list[index].application, "profile": profile } })
    }

    function statusText() {
        if (!status.service)
            return Scene.sceneTexts.rulesNoService
        if (status.problem !== "")
            return Scene.sceneTexts.rulesProblem.arg(status.problem)
        return Scene.sceneTexts.rulesThrough.arg(status.backend)
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: function (wheel) { wheel.accepted = true }
    }

    Rectangle {
        anchors.fill: parent
        color: "#90000000"
    }

    component PanelText: Text {
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: Scene.globalSetting_color_enable
    }

    // A small worded control that lights up under the pointer; `arrow` ones only step a chooser
    // and are reached from the keyboard through it.
    component ArrowText: PanelText {
        id: arrow
        signal clicked
        color: arrowMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
        function click() {
            Scene.ui_View.playMedia_Index(4)
            arrow.clicked()
        }
        MouseArea {
            id: arrowMouse
            anchors.fill: parent
            anchors.margins: -3
            hoverEnabled: true
            onClicked: arrow.click()
        }
    }

    // The same, as a control of its own in the reading order of Tab.
    component TextControl: ArrowText {
        id: control
        property string accessibleName: text
        property int accessibleRole: Accessible.Button
        property bool checkable: false
        property bool checked: false
        FocusTarget {
            role: control.accessibleRole
            name: control.accessibleName
            checkable: control.checkable
            checked: control.checked
            onActivated: control.click()
        }
    }

    // ◀ P03 ▶: steps through the profiles, and "leave" where that is allowed; from the keyboard
    // the left and right arrows step it.
    component ProfileChooser: Item {
        id: chooser
        property int profile: 1
        property bool allowLeave: false
        property string accessibleName: ""
        readonly property string profileText: profile === 0 ? Scene.sceneTexts.rulesLeave : "P0" + profile
        signal chosen(int profile)
        width: chooserRow.width
        height: chooserRow.height
        function step(by) {
            const low = allowLeave ? 0 : 1
            const count = 7 - low
            chosen((profile - low + by + count) % count + low)
        }
        Row {
            id: chooserRow
            spacing: 4
            ArrowText {
                objectName: "previousProfile"
                text: "◀"
                onClicked: chooser.step(-1)
            }
            PanelText {
                width: chooser.allowLeave ? 120 : 34
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                Accessible.ignored: true
                text: chooser.profileText
                color: Scene.globalSetting_color
            }
            ArrowText {
                objectName: "nextProfile"
                text: "▶"
                onClicked: chooser.step(1)
            }
        }
        FocusTarget {
            role: Accessible.SpinBox
            name: chooser.accessibleName + ": " + chooser.profileText
            onActivated: chooser.step(1)
            Keys.onLeftPressed: chooser.step(-1)
            Keys.onRightPressed: chooser.step(1)
        }
    }

    Rectangle {
        id: box
        objectName: "rulesBox"
        anchors.centerIn: parent
        width: 640
        height: column.height + 32 + 38
        color: "#E8101418"
        border.width: 1
        border.color: Scene.globalSetting_color
        radius: 2
        focus: true
        Keys.onEscapePressed: panel.close()

        Column {
            id: column
            x: 16
            y: 16
            width: box.width - 32
            spacing: 10

            PanelText {
                text: Scene.sceneTexts.rulesTitle
                font.pixelSize: Scene.globalSetting_size + 2
                color: Scene.globalSetting_color
            }
            Image {
                width: column.width
                source: Scene.sourceLine
                fillMode: Image.Stretch
            }
            PanelText {
                objectName: "rulesStatus"
                width: column.width
                wrapMode: Text.Wrap
                font.bold: false
                text: panel.statusText()
            }
            PanelText {
                objectName: "rulesNotice"
                width: column.width
                wrapMode: Text.Wrap
                visible: panel.damaged || panel.saveFailed
                color: "#FFFF8060"
                text: panel.saveFailed ? Scene.sceneTexts.rulesNotSaved : Scene.sceneTexts.rulesDamaged
            }

            Row {
                spacing: 24
                TextControl {
                    objectName: "followSwitch"
                    accessibleName: Scene.sceneTexts.rulesOn.split(":")[0]
                    accessibleRole: Accessible.CheckBox
                    checkable: true
                    checked: panel.following
                    text: "【 " + (panel.following ? Scene.sceneTexts.rulesOn : Scene.sceneTexts.rulesOff) + " 】"
                    onClicked: {
                        panel.following = !panel.following
                        panel.save()
                    }
                }
                PanelText {
                    text: Scene.sceneTexts.rulesDefault
                }
                ProfileChooser {
                    objectName: "defaultChooser"
                    accessibleName: Scene.sceneTexts.rulesDefault.replace(/[:：]$/, "")
                    allowLeave: true
                    profile: panel.defaultProfile
                    onChosen: function (profile) {
                        panel.defaultProfile = profile
                        panel.save()
                    }
                }
            }

            Rectangle {
                width: column.width
                height: 196
                color: "#C0080A0C"
                border.width: 1
                border.color: "#40FFFFFF"
                PanelText {
                    anchors.centerIn: parent
                    visible: panel.rules.length === 0
                    font.bold: false
                    text: Scene.sceneTexts.rulesEmpty
                }
                ListView {
                    id: ruleList
                    objectName: "ruleList"
                    anchors.fill: parent
                    anchors.margins: 6
                    clip: true
                    model: panel.rules
                    spacing: 2
                    delegate: Item {
                        id: ruleRow
                        required property var modelData
                        required property int index
                        // Qt 6.4's lint cannot see this document's ids from a delegate; the
                        // lines that use them say so.
                        width: ruleList.width // qmllint disable unqualified
                        height: 26
                        PanelText {
                            x: 4
                            width: 28
                            anchors.verticalCenter: parent.verticalCenter
                            text: (ruleRow.index + 1) + "."
                        }
                        PanelText {
                            objectName: "ruleApplication"
                            x: 34
                            width: 300
                            anchors.verticalCenter: parent.verticalCenter
                            elide: Text.ElideMiddle
                            color: Scene.globalSetting_color
                            text: ruleRow.modelData.application
                        }
                        ProfileChooser {
                            x: 350
                            anchors.verticalCenter: parent.verticalCenter
                            profile: ruleRow.modelData.profile
                            accessibleName: ruleRow.modelData.application
                            onChosen: function (profile) { panel.setRuleProfile(ruleRow.index, profile) }
                        }
                        Row {
                            anchors.right: parent.right
                            anchors.rightMargin: 6
                            anchors.verticalCenter: parent.verticalCenter
                            spacing: 14
                            TextControl {
                                objectName: "ruleUp"
                                text: "▲"
                                accessibleName: Scene.sceneTexts.up + ": " + ruleRow.modelData.application
                                onClicked: panel.moveRule(ruleRow.index, -1) // qmllint disable unqualified
                            }
                            TextControl {
                                objectName: "ruleDown"
                                text: "▼"
                                accessibleName: Scene.sceneTexts.down + ": " + ruleRow.modelData.application
                                onClicked: panel.moveRule(ruleRow.index, 1) // qmllint disable unqualified
                            }
                            TextControl {
                                objectName: "ruleRemove"
                                text: Scene.sceneTexts.rulesRemove
                                accessibleName: Scene.sceneTexts.rulesRemove + ": " + ruleRow.modelData.application
                                onClicked: panel.removeRule(ruleRow.index) // qmllint disable unqualified
                            }
                        }
                    }
                }
            }

            Row {
                spacing: 10
                Rectangle {
                    width: 330
                    height: 26
                    color: "#60000000"
                    border.width: 1
                    border.color: appField.activeFocus ? Scene.globalSetting_color : "#60FFFFFF"
                    FocusInput {
                        id: appField
                        objectName: "appField"
                        accessibleName: Scene.sceneTexts.rulesHint
                        anchors.fill: parent
                        anchors.margins: 5
                        clip: true
                        maximumLength: 255
                        font.family: Scene.globalSetting_fontFamily
                        font.pixelSize: Scene.globalSetting_size
                        color: Scene.globalSetting_color
                        selectionColor: Scene.globalSetting_color
                        onAccepted: panel.addRule(text, panel.newProfile)
                        Keys.onEscapePressed: panel.close()
                    }
                    PanelText {
                        anchors.fill: appField
                        // Shown until a key is typed, focus or not.
                        visible: appField.text === ""
                        font.bold: false
                        elide: Text.ElideRight
                        color: "#80FFFFFF"
                        text: Scene.sceneTexts.rulesHint
                    }
                }
                ProfileChooser {
                    objectName: "newChooser"
                    accessibleName: Scene.sceneTexts.profile
                    anchors.verticalCenter: parent.verticalCenter
                    profile: panel.newProfile
                    onChosen: function (profile) { panel.newProfile = profile }
                }
                SkinButton {
                    objectName: "addRule"
                    anchors.verticalCenter: parent.verticalCenter
                    label: Scene.sceneTexts.rulesAdd
                    enabled: appField.text.trim() !== ""
                    onClicked: panel.addRule(appField.text, panel.newProfile)
                }
            }

            Flow {
                objectName: "recentApplications"
                width: column.width
                spacing: 12
                visible: (panel.status.recent || []).length > 0
                PanelText {
                    text: Scene.sceneTexts.rulesRecent
                }
                Repeater {
                    model: panel.status.recent || []
                    TextControl {
                        required property string modelData
                        font.bold: false
                        text: modelData
                        onClicked: appField.text = modelData // qmllint disable unqualified
                    }
                }
            }
        }

        SkinButton {
            objectName: "closeRules"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 16
            label: Scene.sceneTexts.rulesClose
            onClicked: panel.close()
        }
    }
}
