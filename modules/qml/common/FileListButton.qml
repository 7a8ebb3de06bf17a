import QtQuick

// A drop-down whose list is a file list; it asks for a fresh list each time it opens.
Rectangle {
    id: fileListButton
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    readonly property bool isListShown: isSelect || openAnimation.running || closeAnimation.running
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
        onClicked: {
            if (fileListButton.isSelect) {
                fileListButton.closeList()
            } else {
                fileListButton.requestToUpdateList()
                fileListButton.showList()
            }
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
