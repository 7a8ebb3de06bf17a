import QtQuick

// A drop-down: a header that shows the chosen entry and a list that unrolls below it.
Rectangle {
    id: dropdown
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    property int currentIndex: -1
    readonly property bool isListShown: isSelect || openAnimation.running || closeAnimation.running
    signal listElementClicked(int index)
    signal listOpened
    signal listClosed

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
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
    // An open list lies over the controls below it.
    z: isListShown ? 100 : 0

    ModelText {
        id: current
        model: dropdown.mdItems
        index: dropdown.currentIndex
    }

    ListHeader {
        id: header
        objectName: "header"
        currentText: current.text
        hasCurrent: current.valid
        onClicked: dropdown.isSelect ? dropdown.closeList() : dropdown.showList()
    }

    ListView {
        id: list
        objectName: "list"
        y: header.height - 1
        width: header.width
        height: header.height * count - (count - 1)
        spacing: -1
        interactive: false
        clip: true
        visible: dropdown.isListShown
        model: dropdown.mdItems
        delegate: Image {
            id: item
            required property int index
            required property string textX
            source: Scene.sourceSlider
            // An open list lies over other controls: the item is opaque like the header.
            Rectangle {
                z: -1
                anchors.fill: parent
                color: "#FF000000"
            }
            Text {
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                elide: Text.ElideRight
                text: item.textX
                font.family: Scene.globalSetting_fontFamily
                font.pixelSize: Scene.globalSetting_size
                font.bold: true
                color: itemMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
            }
            MouseArea {
                id: itemMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    // Qt 6.4's lint cannot see this document's ids from a delegate;
                    // the lines that use them say so.
                    dropdown.currentIndex = item.index // qmllint disable unqualified
                    dropdown.closeList()
                    dropdown.listElementClicked(dropdown.currentIndex)
                }
            }
        }
    }

    NumberAnimation {
        id: openAnimation
        target: list
        property: "contentY"
        from: list.height
        to: 0
        easing.type: Easing.OutQuad
        duration: Scene.animation_speed * (0.1 + list.count * 0.05)
        onStarted: dropdown.listOpened()
        onStopped: dropdown.isSelect = true
    }

    NumberAnimation {
        id: closeAnimation
        target: list
        property: "contentY"
        from: 0
        to: list.height
        easing.type: Easing.OutQuad
        duration: Scene.animation_speed * (0.1 + list.count * 0.05)
        onStopped: dropdown.isSelect = false
        onFinished: dropdown.listClosed()
    }
}
