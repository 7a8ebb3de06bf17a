import QtQuick

// The function menu: which device page is shown. Clicking the chosen entry again hides the page.
Item {
    id: menuFunc
    property int currentIndex: 0
    signal funcClicked(int index)

    // Label string index of each entry: KEY, MACRO, COLOR, BACKLIGHTING.
    readonly property var labelStrings: [74, 75, 76, 86]

    function translateStrings() {
        for (let i = 0; i < entries.count; ++i)
            entries.setProperty(i, "textX", globalSetting_stringList[labelStrings[i]])
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
        Repeater {
            model: entries
            Image {
                id: entry
                required property int index
                required property string textX
                objectName: "funcEntry" + index
                readonly property bool isHighlighted: menuFunc.currentIndex === index || entryMouse.containsMouse
                source: isHighlighted ? sourceListFnBtn_1 : sourceListFnBtn_0
                Text {
                    anchors.centerIn: parent
                    width: parent.width - 16
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: entry.textX
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size + 1
                    font.bold: true
                    color: entry.isHighlighted ? globalSetting_color : globalSetting_color_enable
                }
                MouseArea {
                    id: entryMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        menuFunc.currentIndex = menuFunc.currentIndex === entry.index ? -1 : entry.index
                        menuFunc.funcClicked(menuFunc.currentIndex)
                    }
                }
            }
        }
    }
}
