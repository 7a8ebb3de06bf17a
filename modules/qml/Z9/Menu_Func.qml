import QtQuick
import "../common"

// The function menu: which device page is shown. Clicking the chosen entry again hides the page.
Item {
    id: menuFunc
    property int currentIndex: 0
    // Per entry: its page holds edits not applied yet.
    property var pendingEntries: []
    signal funcClicked(int index)

    // Label string index of each entry: KEY, MACRO, COLOR, BACKLIGHTING.
    readonly property var labelStrings: [74, 75, 76, 86]

    // A click on an entry: its page shows, or hides when it was showing.
    function choose(index) {
        currentIndex = currentIndex === index ? -1 : index
        funcClicked(currentIndex)
    }

    // Up and Down move the focus along the entries.
    function focusEntry(index) {
        FocusChain.focusInside(entryRepeater.itemAt(Math.max(0, Math.min(entries.count - 1, index))))
    }

    function translateStrings() {
        for (let i = 0; i < entries.count; ++i)
            entries.setProperty(i, "textX", Scene.globalSetting_stringList[labelStrings[i]])
    }

    width: column.width
    height: column.height

    ListModel {
        id: entries
        ListElement { textX: "KEY" }
        ListElement { textX: "MACRO" }
        ListElement { textX: "COLOR" }
        ListElement { textX: "BACKLIGHTING" }
    }

    Column {
        id: column
        spacing: 6
        // One of the pages at a time, as the profiles are one of six: a screen reader reads each
        // entry as a radio button, chosen or not.
        Accessible.role: Accessible.List
        Accessible.name: Scene.sceneTexts.functions
        Repeater {
            id: entryRepeater
            model: entries
            Image {
                id: entry
                required property int index
                required property string textX
                objectName: "funcEntry" + index
                // Qt 6.4's lint cannot see this document's ids from a delegate;
                // the lines that use them say so.
                readonly property bool isHighlighted: menuFunc.currentIndex === index || entryMouse.containsMouse // qmllint disable unqualified
                source: isHighlighted ? Scene.sourceListFnBtn_1 : Scene.sourceListFnBtn_0
                Text {
                    anchors.centerIn: parent
                    width: parent.width - 16
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    Accessible.ignored: true
                    text: entry.textX
                    font.family: Scene.globalSetting_fontFamily
                    font.pixelSize: Scene.globalSetting_size + 1
                    font.bold: true
                    color: entry.isHighlighted ? Scene.globalSetting_color : Scene.globalSetting_color_enable
                }
                PendingMark {
                    objectName: "pendingMark" + entry.index
                    shown: menuFunc.pendingEntries[entry.index] === true // qmllint disable unqualified
                    anchors.margins: 5
                }
                MouseArea {
                    id: entryMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: menuFunc.choose(entry.index) // qmllint disable unqualified
                }
                FocusTarget {
                    objectName: "focusTarget"
                    role: Accessible.RadioButton
                    name: entry.textX
                    checkable: true
                    checked: menuFunc.currentIndex === entry.index // qmllint disable unqualified
                    onActivated: menuFunc.choose(entry.index) // qmllint disable unqualified
                    Keys.onDownPressed: menuFunc.focusEntry(entry.index + 1) // qmllint disable unqualified
                    Keys.onUpPressed: menuFunc.focusEntry(entry.index - 1) // qmllint disable unqualified
                }
            }
        }
    }
}
