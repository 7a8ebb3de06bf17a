import QtQuick
import QtTest
import "qrc:/modules/qml/common"
import "qrc:/modules/qml/Z9"

SceneGlobals {
    id: globals

    KeyCodeString {
        id: _KeyCodeString
    }
    Binding { target: Scene; property: "keyCodeString"; value: _KeyCodeString }

    Component {
        id: dropdownComponent
        DropdownList {
            mdItems: ListModel {
                ListElement { textX: "ALPHA" }
                ListElement { textX: "BETA" }
                ListElement { textX: "GAMMA" }
            }
        }
    }

    Component {
        id: fileListComponent
        FileList {
            mdItems: ListModel {
                ListElement { textX: "one"; textR: "1" }
                ListElement { textX: "two"; textR: "2" }
                ListElement { textX: "three"; textR: "3" }
            }
        }
    }

    Component {
        id: fileListButtonComponent
        FileListButton {
            mdItems: ListModel {
                ListElement { textX: "first"; textR: "" }
                ListElement { textX: "second"; textR: "" }
            }
        }
    }

    Component {
        id: sliderComponent
        Slider {}
    }

    Component {
        id: keyInputComponent
        KeyInput {}
    }

    Component {
        id: buttonComponent
        Button_2state {
            width: 30
            height: 20
        }
    }

    Component {
        id: wheelComponent
        SteeringWheel {}
    }

    SceneTestCase {
        name: "Controls"

        function init() {
            globals.animation_speed = 800
            globals.globalSetting_stringList = ["Arial", "OPTIONS"]
            ui_View.clearCalls()
        }

        function test_dropdownHeaderShowsPlaceholderUntilSomethingIsChosen() {
            const dropdown = createTemporaryObject(dropdownComponent, globals)
            const headerText = findChild(dropdown, "headerText")
            compare(dropdown.getCurIndex(), -1)
            compare(headerText.text, "【 OPTIONS 】")
            globals.globalSetting_stringList = ["Arial", "OPTIONEN"]
            compare(headerText.text, "【 OPTIONEN 】")
            dropdown.setCurIndex(1)
            compare(headerText.text, "BETA")
            // A translated model rewrites the header in place.
            dropdown.mdItems.setProperty(1, "textX", "BÊTA")
            compare(headerText.text, "BÊTA")
            dropdown.setCurIndex(3)
            compare(headerText.text, "【 OPTIONEN 】")
        }

        function test_itemClickedWhileOpeningClosesTheListAndReportsIt() {
            globals.animation_speed = 8000
            const dropdown = createTemporaryObject(dropdownComponent, globals, { "x": 50, "y": 50 })
            const clicked = spyOn(dropdown, "listElementClicked")
            const opened = spyOn(dropdown, "listOpened")
            const closed = spyOn(dropdown, "listClosed")
            verify(dropdown.height > 0, "the header image gives the control its size")
            mouseClick(dropdown, dropdown.width / 2, dropdown.height / 2)
            compare(opened.count, 1)
            verify(!dropdown.isSelect, "still opening")
            const list = findChild(dropdown, "list")
            const rowPitch = dropdown.height - 1
            // Third item, once it has rolled into view but while the opening still runs.
            tryVerify(function () { return list.contentY < rowPitch / 2 })
            verify(!dropdown.isSelect, "still opening")
            mouseClick(list, list.width / 2, 2 * rowPitch + rowPitch / 2 - list.contentY)
            compare(clicked.count, 1)
            compare(clicked.signalArguments[0][0], 2)
            compare(dropdown.getCurIndex(), 2)
            tryCompare(closed, "count", 1)
            verify(!dropdown.isSelect)
            tryCompare(list, "visible", false)
            compare(findChild(dropdown, "headerText").text, "GAMMA")
        }

        function test_headerTogglesTheList() {
            globals.animation_speed = 10
            const dropdown = createTemporaryObject(dropdownComponent, globals)
            mouseClick(dropdown, 5, 5)
            tryCompare(dropdown, "isSelect", true)
            mouseClick(dropdown, 5, 5)
            tryCompare(dropdown, "isSelect", false)
            tryCompare(findChild(dropdown, "list"), "visible", false)
        }

        function test_showAndCloseFinishARunningAnimationFirst() {
            const dropdown = createTemporaryObject(dropdownComponent, globals)
            const closed = spyOn(dropdown, "listClosed")
            dropdown.showList()
            dropdown.showList()
            verify(dropdown.isSelect, "a second showList finishes the opening at once")
            dropdown.closeList()
            dropdown.showList()
            compare(closed.count, 1)
            verify(!dropdown.isSelect, "the reopening runs again")
            dropdown.closeList()
            verify(dropdown.isSelect)
        }

        function test_fileListClickOnSelectedRowDeselects() {
            const fileList = createTemporaryObject(fileListComponent, globals)
            const clicked = spyOn(fileList, "listElementClicked")
            mouseClick(fileList, 20, 20 + 10)
            compare(clicked.signalArguments[0][0], 1)
            compare(fileList.lvItems.currentIndex, 1)
            mouseClick(fileList, 20, 20 + 10)
            compare(clicked.signalArguments[1][0], -1)
            compare(fileList.lvItems.currentIndex, -1)
            mouseClick(fileList, 20, 5)
            compare(clicked.signalArguments[2][0], 0)
            fileList.mdItems.clear()
            tryCompare(fileList.lvItems, "currentIndex", -1)
        }

        function test_fileListButtonAsksForAFreshListThenReportsTheChoice() {
            globals.animation_speed = 10
            const button = createTemporaryObject(fileListButtonComponent, globals, { "x": 600, "y": 20 })
            const update = spyOn(button, "requestToUpdateList")
            const opened = spyOn(button, "listOpened")
            const clicked = spyOn(button, "listElementClicked")
            const headerText = findChild(button, "headerText")
            compare(headerText.text, "【 OPTIONS 】")
            mouseClick(button, 10, 10)
            compare(update.count, 1)
            compare(opened.count, 1)
            tryCompare(button, "isSelect", true)
            const panel = findChild(button, "panel")
            mouseClick(panel, 20, 20 + 10)
            compare(clicked.signalArguments[0][0], 1)
            compare(button.getCurIndex(), 1)
            compare(headerText.text, "second")
            tryCompare(button, "isSelect", false)
            tryCompare(panel, "visible", false)
            // The header of an open list closes it without asking for a new list.
            mouseClick(button, 10, 10)
            tryCompare(button, "isSelect", true)
            mouseClick(button, 10, 10)
            compare(update.count, 2)
            tryCompare(button, "isSelect", false)
        }

        function test_fileListScrollBarShowsOnlyForLongLists() {
            const fileList = createTemporaryObject(fileListComponent, globals)
            const bar = findChild(fileList, "scrollBar")
            verify(!bar.visible, "three rows fit")
            for (let n = 0; n < 20; ++n)
                fileList.mdItems.append({ "textX": "row " + n, "textR": "" })
            tryVerify(function () { return bar.visible })
            verify(bar.height < fileList.height)
            compare(bar.y, 0)
            mousePress(bar, 2, 5)
            mouseMove(bar, 2, 45)
            mouseRelease(bar, 2, 45)
            verify(fileList.lvItems.contentY > 0, "dragging the bar down scrolls the list")
        }

        function test_sliderReleaseAtTheEdges_data() {
            return [
                { tag: "left edge", minIndex: 0, x: 0, expected: 0 },
                { tag: "left of the area", minIndex: 0, x: -30, expected: 0 },
                { tag: "left edge, minIndex 1", minIndex: 1, x: 0, expected: 1 },
                { tag: "right edge", minIndex: 0, x: 140, expected: 7 },
                { tag: "right of the area", minIndex: 0, x: 400, expected: 7 },
                { tag: "middle of cell 3", minIndex: 0, x: 50, expected: 3 },
            ]
        }

        function test_sliderReleaseAtTheEdges(data) {
            const slider = createTemporaryObject(sliderComponent, globals, { "minIndex": data.minIndex })
            const clicked = spyOn(slider, "sliderClicked")
            compare(slider.getCurIndex(), 7)
            const area = findChild(slider, "stepMouse")
            compare(area.width, 141)
            mousePress(area, 70, 10)
            mouseRelease(area, data.x, 10)
            compare(slider.currentIndex, data.expected)
            compare(clicked.signalArguments[0][0], data.expected)
        }

        function test_keyInputShowsTheNameOrThePlaceholder() {
            const input = createTemporaryObject(keyInputComponent, globals, { "x": 300, "y": 300 })
            const text = findChild(input, "keyText")
            compare(text.text, "【 KEYS 】")
            input.setKeycodeUSB(0x04)
            compare(input.keycodeUSB, 0x04)
            compare(text.text, "A")
            input.setKeycodeUSB(0x31)
            compare(input.keycodeUSB, -1)
            compare(input.keyname, "")
            compare(text.text, "【 KEYS 】")
            input.setKeycodeUSB(0x4F)
            compare(text.text, "►")
            mouseMove(input, 10, 10)
            compare(text.text, "╳")
            const cleared = spyOn(input, "clearKey")
            mouseClick(input, 10, 10)
            compare(cleared.count, 1)
            compare(input.keycodeUSB, -1)
            mouseMove(globals, 900, 590)
            compare(text.text, "【 KEYS 】")
        }

        function test_buttonClickPlaysTheClickSoundThenReports() {
            const button = createTemporaryObject(buttonComponent, globals, { "x": 400, "y": 400 })
            const clicked = spyOn(button, "clicked")
            mouseClick(button, 5, 5)
            compare(clicked.count, 1)
            compare(ui_View.callsOf("playMedia_Index"), [[4]])
            button.enabled = false
            compare(button.opacity, 0.2)
            mouseClick(button, 5, 5)
            compare(clicked.count, 1)
        }

        function test_steeringWheelPicksADirection() {
            const wheel = createTemporaryObject(wheelComponent, globals, { "x": 500, "y": 100 })
            const clicked = spyOn(wheel, "wheelClicked")
            compare(wheel.getCurIndex(), 1)
            mouseClick(wheel, 30, 5)   // up
            compare(wheel.currentIndex, 3)
            mouseClick(wheel, 5, 30)   // left
            compare(wheel.currentIndex, 2)
            mouseClick(wheel, 30, 30)  // centre takes no clicks
            compare(wheel.currentIndex, 2)
            compare(clicked.count, 2)
            compare(clicked.signalArguments[0][0], 3)
            compare(clicked.signalArguments[1][0], 2)
        }
    }
}
