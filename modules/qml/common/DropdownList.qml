import QtQuick

// A drop-down: a header that shows the chosen entry and a list that unrolls below it.
Rectangle {
    id: dropdown
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    property int currentIndex: -1
    readonly property bool isListShown: isSelect || openAnimation.running || closeAnimation.running
    // What a screen reader calls the list; its header's text when empty.
    property string accessibleName: ""
    // The entry that the arrow keys point at while the list is open.
    property int highlightIndex: -1
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

    // The header's click: the list opens at the chosen entry, or closes.
    function toggleList() {
        if (isSelect) {
            closeList()
        } else {
            highlightIndex = currentIndex
            showList()
        }
    }

    function choose(index) {
        currentIndex = index
        closeList()
        listElementClicked(currentIndex)
    }

    // Up and Down walk the open list (and open a closed one); Enter and Space choose.
    function step(delta) {
        if (!isListShown) {
            toggleList()
            return
        }
        highlightIndex = Math.max(0, Math.min(mdItems.count - 1, highlightIndex + delta))
    }

    function activate() {
        if (isListShown && highlightIndex >= 0 && highlightIndex < mdItems.count)
            choose(highlightIndex)
        else
            toggleList()
    }

    function closeList() {
        highlightIndex = -1
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
        onClicked: dropdown.toggleList()
    }

    FocusTarget {
        objectName: "focusTarget"
        role: Accessible.ComboBox
        name: dropdown.accessibleName !== "" ? dropdown.accessibleName : header.shownText
        description: current.text
        onActivated: dropdown.activate()
        Keys.onDownPressed: dropdown.step(1)
        Keys.onUpPressed: dropdown.step(-1)
        Keys.onEscapePressed: function (event) {
            event.accepted = dropdown.isListShown
            if (event.accepted)
                dropdown.closeList()
        }
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
            // Qt 6.4's lint cannot see this document's ids from a delegate;
            // the lines that use them say so.
            readonly property bool isHighlighted: itemMouse.containsMouse || dropdown.highlightIndex === index // qmllint disable unqualified
            source: Scene.sourceSlider
            Accessible.role: Accessible.MenuItem
            Accessible.name: textX
            Accessible.selected: isHighlighted
            Accessible.onPressAction: dropdown.choose(item.index) // qmllint disable unqualified
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
                color: item.isHighlighted ? Scene.globalSetting_color : Scene.globalSetting_color_enable
            }
            MouseArea {
                id: itemMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: dropdown.choose(item.index) // qmllint disable unqualified
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
