import QtQuick

// A drop-down whose list is a file list; it asks for a fresh list each time it opens.
Rectangle {
    id: fileListButton
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    readonly property bool isListShown: isSelect || openAnimation.running || closeAnimation.running
    // What a screen reader calls the list; its header's text when empty.
    property string accessibleName: ""
    // The entry chosen when the list opened: Esc goes back to it after the arrows walked the list.
    property int indexWhenOpened: -1
    signal listElementClicked(int index)
    signal requestToUpdateList
    signal listOpened
    signal listClosed

    function setCurIndex(index) {
        innerList.lvItems.currentIndex = index
    }

    function getCurIndex() {
        return innerList.lvItems.currentIndex
    }

    function showList() {
        if (closeAnimation.running) {
            closeAnimation.complete()
            showList()
        } else if (openAnimation.running) {
            openAnimation.complete()
        } else {
            openAnimation.start()
        }
    }

    // The header's click: a fresh list opens, or the open one closes.
    function toggleList() {
        if (isSelect) {
            closeList()
        } else {
            indexWhenOpened = getCurIndex()
            requestToUpdateList()
            showList()
        }
    }

    // Up and Down walk the open list (and open a closed one); Enter and Space choose.
    function step(delta) {
        if (!isListShown) {
            toggleList()
            return
        }
        const view = innerList.lvItems
        view.currentIndex = Math.max(0, Math.min(mdItems.count - 1, view.currentIndex + delta))
        view.positionViewAtIndex(view.currentIndex, ListView.Contain)
    }

    function activate() {
        if (!isListShown) {
            toggleList()
            return
        }
        closeList()
        listElementClicked(getCurIndex())
    }

    function dismiss() {
        setCurIndex(indexWhenOpened)
        closeList()
    }

    function closeList() {
        if (openAnimation.running) {
            openAnimation.complete()
            closeList()
        } else if (closeAnimation.running) {
            closeAnimation.complete()
        } else {
            closeAnimation.start()
        }
    }

    color: "#FF000000"
    width: header.width
    height: header.height
    z: isListShown ? 100 : 0

    ModelText {
        id: current
        model: fileListButton.mdItems
        index: innerList.lvItems.currentIndex
    }

    ListHeader {
        id: header
        objectName: "header"
        currentText: current.text
        hasCurrent: current.valid
        onClicked: fileListButton.toggleList()
    }

    FocusTarget {
        objectName: "focusTarget"
        role: Accessible.ComboBox
        name: fileListButton.accessibleName !== "" ? fileListButton.accessibleName : header.shownText
        description: current.text
        onActivated: fileListButton.activate()
        Keys.onDownPressed: fileListButton.step(1)
        Keys.onUpPressed: fileListButton.step(-1)
        Keys.onEscapePressed: function (event) {
            event.accepted = fileListButton.isListShown
            if (event.accepted)
                fileListButton.dismiss()
        }
    }

    Image {
        id: panelSize
        visible: false
        source: Scene.sourceFilelist
    }

    Flickable {
        id: panel
        objectName: "panel"
        y: header.height - 1
        width: panelSize.implicitWidth
        height: panelSize.implicitHeight
        interactive: false
        clip: true
        visible: fileListButton.isListShown

        FileList {
            id: innerList
            y: -height
            mdItems: fileListButton.mdItems
            accessibleName: fileListButton.accessibleName
            // The header above walks it.
            isTabStop: false
            onListElementClicked: function (index) {
                fileListButton.closeList()
                fileListButton.listElementClicked(index)
            }
        }
    }

    NumberAnimation {
        id: openAnimation
        target: panel
        property: "contentY"
        from: 0
        to: -panel.height
        easing.type: Easing.OutQuad
        duration: Scene.animation_speed * 0.5
        onStarted: fileListButton.listOpened()
        onStopped: fileListButton.isSelect = true
    }

    NumberAnimation {
        id: closeAnimation
        target: panel
        property: "contentY"
        from: -panel.height
        to: 0
        easing.type: Easing.OutQuad
        duration: Scene.animation_speed * 0.5
        onStopped: fileListButton.isSelect = false
        onFinished: fileListButton.listClosed()
    }
}
