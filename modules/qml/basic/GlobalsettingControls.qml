import QtQuick
import "../common"

// The settings panel's controls: built the first time the panel is shown, they show and change
// the settings that the page keeps.
Item {
    id: controls
    // The page whose settings the controls show and change.
    required property Page_Globalsetting page

    component Label: Text {
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: Scene.globalSetting_color
    }

    Label {
        objectName: "versionText"
        anchors.right: parent.right
        anchors.rightMargin: 15
        y: 12
        text: controls.page.version
        color: Scene.globalSetting_color_enable
    }

    // Sound, animations, language and background, one row each.
    Column {
        id: options
        x: 27
        y: 40
        spacing: 10
        // Open drop-down lists lie over the text box.
        z: 1

        component OptionRow: Item {
            property alias label: caption.text
            default property alias control: slot.data
            width: 263
            height: 23
            Label {
                id: caption
                width: 106
                anchors.verticalCenter: parent.verticalCenter
                elide: Text.ElideRight
            }
            Item {
                id: slot
                x: 112
                width: 151
                height: parent.height
            }
        }

        OptionRow {
            label: Scene.globalSetting_stringList[27]
            z: 4
            DropdownList {
                id: soundList
                objectName: "soundList"
                mdItems: controls.page.soundModel
                accessibleName: Scene.globalSetting_stringList[27]
                onListElementClicked: function (index) {
                    controls.page.soundIndex = index
                    controls.page.setSound(index)
                }
            }
        }
        OptionRow {
            label: Scene.globalSetting_stringList[28]
            z: 3
            DropdownList {
                id: animationList
                objectName: "animationList"
                mdItems: controls.page.animationModel
                accessibleName: Scene.globalSetting_stringList[28]
                onListElementClicked: function (index) {
                    controls.page.animationIndex = index
                    controls.page.setAnimation(index)
                }
            }
        }
        OptionRow {
            label: Scene.globalSetting_stringList[29]
            z: 2
            DropdownList {
                id: languageList
                objectName: "languageList"
                mdItems: controls.page.languageModel
                accessibleName: Scene.globalSetting_stringList[29]
                onListElementClicked: function (index) {
                    controls.page.languageIndex = index
                    controls.page.setLanguage(index)
                }
            }
        }
        OptionRow {
            label: Scene.globalSetting_stringList[30]
            z: 1
            Item {
                id: backgroundSwitch
                objectName: "backgroundSwitch"
                width: 151
                height: 23
                Image {
                    id: switchBox
                    anchors.verticalCenter: parent.verticalCenter
                    source: controls.page.isCustomBackground ? Scene.sourceCHK1 : Scene.sourceCHK0
                }
                Text {
                    objectName: "backgroundSwitchText"
                    anchors.left: switchBox.right
                    anchors.leftMargin: 6
                    anchors.verticalCenter: parent.verticalCenter
                    text: "【 " + (controls.page.isCustomBackground ? Scene.globalSetting_stringList[31] : Scene.globalSetting_stringList[32]) + " 】"
                    font.family: Scene.globalSetting_fontFamily
                    font.pixelSize: Scene.globalSetting_size
                    font.bold: true
                    color: switchMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
                }
                MouseArea {
                    id: switchMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: controls.page.toggleCustomBackground()
                }
                FocusTarget {
                    objectName: "focusTarget"
                    role: Accessible.CheckBox
                    name: Scene.globalSetting_stringList[30]
                    checkable: true
                    checked: controls.page.isCustomBackground
                    onActivated: controls.page.toggleCustomBackground()
                }
            }
        }
    }

    // Colour and brightness of the interface texts.
    Item {
        id: textBox
        objectName: "textBox"
        x: 27
        y: 185
        width: 270
        height: 176

        Label {
            x: 10
            y: 9
            text: Scene.globalSetting_stringList[33]
        }

        Label {
            x: 10
            y: 35 + 4
            width: 86
            elide: Text.ElideRight
            text: Scene.globalSetting_stringList[35]
        }

        Image {
            id: swatchFrame
            x: 100
            y: 35
            width: 145
            height: 21
            source: Scene.sourcePaletteIndex

            Row {
                objectName: "swatches"
                x: 1
                y: 1
                spacing: 2
                Repeater {
                    model: controls.page.swatchModel
                    Rectangle {
                        id: swatch
                        required property int index
                        required property int r
                        required property int g
                        required property int b
                        width: 19
                        height: 19
                        color: Qt.rgba(r / 255, g / 255, b / 255, 1)
                        Accessible.role: Accessible.RadioButton
                        Accessible.name: Scene.globalSetting_stringList[35] + " " + (index + 1)
                        Accessible.description: r + ", " + g + ", " + b
                        Accessible.checkable: true
                        Accessible.checked: controls.page.swatchIndex === index // qmllint disable unqualified
                        Accessible.onPressAction: controls.page.selectSwatch(swatch.index) // qmllint disable unqualified
                        // Qt 6.4's lint cannot see this document's ids from a delegate;
                        // the lines that use them say so.
                        border.width: controls.page.swatchIndex === index ? 2 : 0 // qmllint disable unqualified
                        border.color: Scene.globalSetting_color_enable
                        MouseArea {
                            anchors.fill: parent
                            onClicked: controls.page.selectSwatch(swatch.index) // qmllint disable unqualified
                        }
                    }
                }
            }
        }

        // The arrow keys choose a swatch.
        FocusTarget {
            objectName: "swatchFocus"
            anchors.fill: swatchFrame
            role: Accessible.Grouping
            name: Scene.globalSetting_stringList[35]
            Keys.onRightPressed: controls.page.selectSwatch(Math.min(controls.page.swatchCount - 1, controls.page.swatchIndex + 1))
            Keys.onLeftPressed: controls.page.selectSwatch(Math.max(0, controls.page.swatchIndex - 1))
        }

        ColorStrip {
            x: 100
            y: 65
            onColorPicked: function (r, g, b) { controls.page.setRGB(controls.page.modePaletteStrip, r, g, b) }
        }

        ColorFields {
            id: colorFields
            x: 100
            y: 96
            onColorEntered: function (r, g, b) { controls.page.setRGB(controls.page.modeNumericFields, r, g, b) }
            Component.onCompleted: setColor(...controls.page.fieldsColor)
            Connections {
                target: controls.page
                function onFieldsColorChanged() {
                    colorFields.setColor(...controls.page.fieldsColor)
                }
                function onFieldsCommitWanted() {
                    colorFields.commit()
                }
            }
        }

        Label {
            x: 10
            y: 130 + 4
            width: 84
            elide: Text.ElideRight
            text: Scene.globalSetting_stringList[36]
        }

        Slider {
            id: brightnessSlider
            objectName: "brightnessSlider"
            x: 97
            y: 130
            minIndex: 0
            accessibleName: Scene.globalSetting_stringList[36]
            onSliderClicked: function (index) { controls.page.setBrightnessLevel(index) }
        }
    }

    // A worded entry to a panel laid over the window.
    component PanelLink: Text {
        id: link
        property string label: ""
        signal opened
        width: 150
        elide: Text.ElideRight
        text: "【 " + label + " 】"
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: linkMouse.containsMouse ? Scene.globalSetting_color : Scene.globalSetting_color_enable
        function open() {
            Scene.ui_View.playMedia_Index(4)
            link.opened()
        }
        MouseArea {
            id: linkMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: link.open()
        }
        FocusTarget {
            name: link.label
            onActivated: link.open()
        }
    }

    PanelLink {
        id: rulesOpen
        objectName: "rulesOpen"
        x: textBox.x
        y: textBox.y + textBox.height + 14
        label: Scene.sceneTexts.rulesOpen
        onOpened: controls.page.rulesWanted()
    }

    // Only a Wayland session keeps one program from seeing the keys typed into another.
    PanelLink {
        objectName: "keysOpen"
        x: textBox.x
        y: rulesOpen.y + rulesOpen.height + 6
        width: 300
        visible: controls.page.isWayland
        label: Scene.sceneTexts.keysOpen
        onOpened: controls.page.keysElsewhereWanted()
    }

    Row {
        anchors.right: textBox.right
        y: textBox.y + textBox.height + 10
        spacing: 6
        Button_2state {
            objectName: "resetButton"
            source0: Scene.sourceReset0
            source1: Scene.sourceReset1
            accessibleName: Scene.globalSetting_stringList[77]
            onClicked: controls.page.reset()
        }
        Button_2state {
            objectName: "applyButton"
            source0: Scene.sourceApply0
            source1: Scene.sourceApply1
            accessibleName: Scene.sceneTexts.apply
            onClicked: controls.page.apply()
        }
    }

    // The controls show the page's settings, and follow them again after a click that
    // set their choice themselves.
    Binding { target: soundList; property: "currentIndex"; value: controls.page.soundIndex }
    Binding { target: animationList; property: "currentIndex"; value: controls.page.animationIndex }
    Binding { target: languageList; property: "currentIndex"; value: controls.page.languageIndex }
    Binding { target: brightnessSlider; property: "currentIndex"; value: controls.page.brightnessLevel }
}
