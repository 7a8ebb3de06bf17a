import QtQuick

// A scrolling list of files: a name on the left, a note on the right, one row selectable.
Rectangle {
    id: fileList
    property ListModel mdItems: ListModel {}
    property alias lvItems: listView
    // What a screen reader calls the list.
    property alias accessibleName: focusTarget.name
    // Whether the list is a stop of Tab itself, or is walked by a control around it.
    property alias isTabStop: focusTarget.enabled
    signal listElementClicked(int index)

    // A click on a row: it becomes the selection, or, when it was, nothing is selected.
    function toggleRow(index) {
        listView.currentIndex = listView.currentIndex === index ? -1 : index
        listElementClicked(listView.currentIndex)
    }

    // Up and Down move the selection a row, from the first one when nothing is selected.
    function step(delta) {
        if (mdItems.count === 0)
            return
        const from = listView.currentIndex < 0 ? (delta > 0 ? -1 : mdItems.count) : listView.currentIndex
        const to = Math.max(0, Math.min(mdItems.count - 1, from + delta))
        if (to === listView.currentIndex)
            return
        listView.currentIndex = to
        listView.positionViewAtIndex(to, ListView.Contain)
        listElementClicked(to)
    }

    // Enter or Space on the list acts as a click on its selected row, or selects the first one.
    function activate() {
        if (listView.currentIndex >= 0)
            toggleRow(listView.currentIndex)
        else
            step(1)
    }

    width: 151
    height: 200
    color: "#FF000000"

    Image {
        anchors.fill: parent
        source: Scene.sourceFilelist
    }

    ListView {
        id: listView
        objectName: "listView"
        width: fileList.width - 18
        height: fileList.height
        orientation: ListView.Vertical
        interactive: true
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        spacing: -1
        currentIndex: -1
        model: fileList.mdItems
        // An emptied list has no selection (the view itself would keep its old index).
        onCountChanged: {
            if (count <= 0)
                currentIndex = -1
        }
        delegate: Item {
            id: row
            required property int index
            required property string textX
            required property string textR
            readonly property bool isHighlighted: ListView.isCurrentItem || rowMouse.containsMouse
            Accessible.role: Accessible.ListItem
            Accessible.name: textX + " " + textR.trim()
            Accessible.selected: ListView.isCurrentItem
            Accessible.onPressAction: fileList.toggleRow(row.index) // qmllint disable unqualified
            // Qt 6.4's lint cannot see this document's ids from a delegate;
            // the lines that use them say so.
            width: listView.width // qmllint disable unqualified
            height: 20

            Image {
                visible: row.index > 0
                anchors.top: parent.top
                anchors.horizontalCenter: parent.horizontalCenter
                source: Scene.sourceLine
            }
            Image {
                visible: row.index < listView.count - 1 // qmllint disable unqualified
                anchors.bottom: parent.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                source: Scene.sourceLine
            }
            Text {
                anchors.left: parent.left
                anchors.leftMargin: 5
                anchors.right: note.left
                anchors.rightMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                elide: Text.ElideRight
                text: row.textX
                font.family: Scene.globalSetting_fontFamily
                font.pixelSize: Scene.globalSetting_size
                font.bold: true
                color: row.isHighlighted ? Scene.globalSetting_color : Scene.globalSetting_color_enable
            }
            Text {
                id: note
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignRight
                text: row.textR
                font.family: Scene.globalSetting_fontFamily
                font.pixelSize: Scene.globalSetting_size
                font.bold: true
                color: row.isHighlighted ? Scene.globalSetting_color : Scene.globalSetting_color_enable
            }
            MouseArea {
                id: rowMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: fileList.toggleRow(row.index) // qmllint disable unqualified
            }
        }
    }

    Rectangle {
        id: scrollBar
        objectName: "scrollBar"
        x: fileList.width - width
        y: listView.visibleArea.yPosition * listView.height
        width: 5
        height: listView.visibleArea.heightRatio * listView.height
        radius: width / 2
        opacity: 0.5
        visible: height !== fileList.height && fileList.mdItems.count > 0
        color: barMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable

        MouseArea {
            id: barMouse
            anchors.fill: parent
            hoverEnabled: true
            property real pressY: 0
            onPressed: function (mouse) {
                pressY = mouse.y
            }
            onReleased: pressY = 0
            onPositionChanged: function (mouse) {
                if (!pressed)
                    return
                const delta = mouse.y - pressY
                if (delta < 0 && scrollBar.y >= 0)
                    listView.contentY += delta
                else if (delta > 0 && scrollBar.y + scrollBar.height <= listView.height)
                    listView.contentY += delta
            }
        }
    }

    FocusTarget {
        id: focusTarget
        objectName: "focusTarget"
        role: Accessible.List
        description: listView.currentIndex >= 0 && listView.currentIndex < fileList.mdItems.count
                     ? fileList.mdItems.get(listView.currentIndex).textX : ""
        onActivated: fileList.activate()
        Keys.onDownPressed: fileList.step(1)
        Keys.onUpPressed: fileList.step(-1)
    }
}
