import QtQuick
import "../common"
import QtQuick.Window

// The profile menu: P01 to P06. A left click switches the keyboard's profile, a right click offers
// load, save and reset for that profile.
Image {
    id: menuProf
    property int currentIndex: 0
    readonly property int entryTop: 85
    readonly property int entryPitch: 26
    readonly property int contextMenuWidth: 45
    // The profile that the context menu acts on.
    property int contextProfile: -1
    signal profileSelected(int index)
    signal profileReloaded(int index)
    // A switch, or a LOAD or RESET of the current profile, would read the pages again; the owner
    // decides when (select / runContextAction).
    signal switchRequested(int index)
    signal reloadRequested(int action, int profile)

    // A left click on an entry: the keyboard switches to that profile.
    function choose(index) {
        if (index !== currentIndex)
            switchRequested(index)
    }

    function focusEntry(index) {
        FocusChain.focusInside(profileRepeater.itemAt(Math.max(0, Math.min(5, index))))
    }

    // The context menu from the keyboard opens at the entry's middle and takes the focus.
    function openContextMenuFromKeys(profile) {
        const entry = profileRepeater.itemAt(profile)
        openContextMenu(profile, entry.width / 2, entry.height / 2)
        FocusChain.modalRoot = contextMenu
        focusContextEntry(0)
    }

    function focusContextEntry(index) {
        FocusChain.focusInside(contextRepeater.itemAt((index + contextEntries.count) % contextEntries.count))
    }

    function profileName(index) {
        return "P" + String(index + 1).padStart(2, "0")
    }

    function select(index) {
        currentIndex = index
        profileSelected(index)
    }

    source: Scene.sourceListPfContainer

    function openContextMenu(profile, pointerX, pointerY) {
        contextProfile = profile
        contextMenu.x = pointerX - contextMenuWidth
        contextMenu.y = profile * entryPitch + pointerY + entryTop
        contextFadeOut.stop()
        const windowOrigin = menuProf.mapFromItem(null, 0, 0)
        dismissArea.x = windowOrigin.x
        dismissArea.y = windowOrigin.y
        contextMenu.visible = true
        contextFadeIn.restart()
    }

    function closeContextMenu() {
        // A menu opened from the keyboard gives the focus back to its entry.
        if (FocusChain.modalRoot === contextMenu) {
            FocusChain.modalRoot = null
            focusEntry(contextProfile)
        }
        contextFadeIn.stop()
        contextFadeOut.restart()
    }

    // LOAD, SAVE, RESET and CANCEL of the context menu.
    function contextAction(action) {
        closeContextMenu()
        const profile = contextProfile
        if ((action === 0 || action === 2) && profile === currentIndex)
            reloadRequested(action, profile)
        else
            runContextAction(action, profile)
    }

    function runContextAction(action, profile) {
        if (action === 0) {
            Scene.ui_View.loadProfile(profile)
        } else if (action === 1) {
            Scene.ui_View.saveProfile(profile)
        } else if (action === 2) {
            Scene.ui_View.resetProfile(profile)
        }
        if ((action === 0 || action === 2) && profile === currentIndex)
            profileReloaded(profile)
    }

    function translateStrings() {
        const labels = [84, 85, 77, 78]
        for (let i = 0; i < contextEntries.count; ++i)
            contextEntries.setProperty(i, "textX", Scene.globalSetting_stringList[labels[i]])
    }

    Column {
        x: (menuProf.width - 48) / 2
        y: menuProf.entryTop
        spacing: menuProf.entryPitch - 25
        Accessible.role: Accessible.List
        Accessible.name: Scene.sceneTexts.profiles
        Repeater {
            id: profileRepeater
            model: 6
            Item {
                id: profileEntry
                required property int index
                objectName: "profile" + index
                // Qt 6.4's lint cannot see this document's ids from a delegate;
                // the lines that use them say so.
                readonly property bool isCurrent: menuProf.currentIndex === index // qmllint disable unqualified
                width: 48
                height: 25
                Image {
                    source: profileEntry.isCurrent ? Scene.sourceSW1 : Scene.sourceSW0
                }
                Image {
                    source: profileMouse.containsMouse ? Scene.sourceFW1 : Scene.sourceFW0
                }
                Text {
                    anchors.centerIn: parent
                    text: menuProf.profileName(profileEntry.index) // qmllint disable unqualified
                    Accessible.ignored: true
                    font.family: "Arial"
                    font.pixelSize: Scene.globalSetting_size + 1
                    font.bold: true
                    color: (profileEntry.isCurrent || profileMouse.containsMouse) ? Scene.globalSetting_color
                                                                                 : Scene.globalSetting_color_enable
                }
                MouseArea {
                    id: profileMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function (mouse) {
                        if (mouse.button === Qt.RightButton)
                            menuProf.openContextMenu(profileEntry.index, mouse.x, mouse.y)
                        else
                            menuProf.choose(profileEntry.index)
                    }
                }
                // Enter or Space switches to the profile; the menu key or Shift+F10 opens its
                // LOAD, SAVE, RESET and CANCEL.
                FocusTarget {
                    objectName: "focusTarget"
                    role: Accessible.RadioButton
                    name: Scene.sceneTexts.profile + " " + menuProf.profileName(profileEntry.index) // qmllint disable unqualified
                    checkable: true
                    checked: profileEntry.isCurrent
                    onActivated: menuProf.choose(profileEntry.index) // qmllint disable unqualified
                    Keys.onDownPressed: menuProf.focusEntry(profileEntry.index + 1) // qmllint disable unqualified
                    Keys.onUpPressed: menuProf.focusEntry(profileEntry.index - 1) // qmllint disable unqualified
                    Keys.onMenuPressed: menuProf.openContextMenuFromKeys(profileEntry.index) // qmllint disable unqualified
                    Keys.onPressed: function (event) {
                        event.accepted = event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)
                        if (event.accepted)
                            menuProf.openContextMenuFromKeys(profileEntry.index) // qmllint disable unqualified
                    }
                }
            }
        }
    }

    ListModel {
        id: contextEntries
        ListElement { textX: "LOAD" }
        ListElement { textX: "SAVE" }
        ListElement { textX: "RESET" }
        ListElement { textX: "CANCEL" }
    }

    // While the context menu is open, a click anywhere else closes it.
    MouseArea {
        id: dismissArea
        objectName: "dismissArea"
        width: menuProf.Window.width
        height: menuProf.Window.height
        visible: contextMenu.visible && contextMenu.opacity > 0 && !contextFadeOut.running
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: menuProf.closeContextMenu()
    }

    Rectangle {
        id: contextMenu
        objectName: "contextMenu"
        width: menuProf.contextMenuWidth
        height: contextColumn.height + 2
        visible: false
        opacity: 0
        color: "#E0101418"
        Accessible.role: Accessible.PopupMenu
        Accessible.name: Scene.sceneTexts.profile + " " + menuProf.profileName(Math.max(0, menuProf.contextProfile))
        border.width: 1
        border.color: Scene.globalSetting_color
        radius: 2

        Column {
            id: contextColumn
            x: 1
            y: 1
            Repeater {
                id: contextRepeater
                model: contextEntries
                Rectangle {
                    id: contextEntry
                    required property int index
                    required property string textX
                    objectName: "contextEntry" + index
                    width: menuProf.contextMenuWidth - 2 // qmllint disable unqualified
                    height: 20
                    color: contextMouse.containsMouse ? Qt.rgba(1, 1, 1, 0.12) : "transparent"
                    Text {
                        anchors.fill: parent
                        anchors.leftMargin: 2
                        anchors.rightMargin: 2
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        fontSizeMode: Text.HorizontalFit
                        Accessible.ignored: true
                        minimumPixelSize: 7
                        text: contextEntry.textX
                        font.family: Scene.globalSetting_fontFamily
                        font.pixelSize: Scene.globalSetting_size
                        font.bold: true
                        color: contextMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
                    }
                    MouseArea {
                        id: contextMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: menuProf.contextAction(contextEntry.index) // qmllint disable unqualified
                    }
                    FocusTarget {
                        objectName: "focusTarget"
                        role: Accessible.MenuItem
                        name: contextEntry.textX
                        markOffset: 0
                        onActivated: menuProf.contextAction(contextEntry.index) // qmllint disable unqualified
                        Keys.onDownPressed: menuProf.focusContextEntry(contextEntry.index + 1) // qmllint disable unqualified
                        Keys.onUpPressed: menuProf.focusContextEntry(contextEntry.index - 1) // qmllint disable unqualified
                        Keys.onEscapePressed: menuProf.closeContextMenu() // qmllint disable unqualified
                    }
                }
            }
        }

        NumberAnimation {
            id: contextFadeIn
            target: contextMenu
            property: "opacity"
            to: 1
            duration: Scene.animation_speed * 1.5
        }

        NumberAnimation {
            id: contextFadeOut
            target: contextMenu
            property: "opacity"
            to: 0
            duration: Scene.animation_speed
            onFinished: contextMenu.visible = false
        }
    }
}
