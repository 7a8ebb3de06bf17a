import QtQuick
import "../common"
import "lighting.js" as Lighting

// The back lighting page: one of four effects for the keyboard's back light, with speed,
// brightness and a colour of the shared palette.
Image {
    id: page
    source: Scene.sourceFnCommonBackground
    width: 759
    height: 396
    fillMode: Image.Pad
    verticalAlignment: Image.AlignTop
    clip: true

    property var palette: Lighting.factoryPalette
    readonly property bool hasPendingEdits: baseline.hasPendingEdits

    // The values that apply would send, against those the profile file holds.
    EditBaseline {
        id: baseline
        parts: [JSON.stringify(history.state)]
    }

    UndoHistory {
        id: history
        state: [_effectList.currentIndex, speedSlider.currentIndex, brightnessSlider.currentIndex,
                _palette.currentIndex, _direction.currentIndex]
        onRestoring: function (state) { page.showValues(state) }
    }

    function undo() {
        return history.undo()
    }

    function redo() {
        return history.redo()
    }

    function syncColor() {
        palette = Lighting.storedPalette(palette, i => Scene.ui_View.ui_94H_GetColor(i))
    }

    function initUI() {
        syncColor()
        const stored = Lighting.storedBytes(Scene.ui_View.ui_95H_GetBackLEDType(), 5)
        if (stored)
            showStored(stored)
        baseline.markStored()
        history.reset()
    }

    // Effect, speed and brightness positions, colour selection and direction, as the page holds them.
    function showValues(values) {
        _effectList.setCurIndex(values[0])
        speedSlider.setCurIndex(values[1])
        brightnessSlider.setCurIndex(values[2])
        _palette.currentIndex = values[3]
        _direction.setCurIndex(values[4])
    }

    function showStored(stored) {
        const [effect, speed, light, color, direction] = stored
        if (effect >= 1 && effect <= effectItems.count)
            _effectList.setCurIndex(effect - 1)
        if (speed >= 1 && speed <= 10)
            speedSlider.setCurIndex(7 - Math.round((speed - 1) * 7 / 9))
        if (light <= 49)
            brightnessSlider.setCurIndex(Math.round(light / 7))
        if (color <= 7)
            _palette.currentIndex = color
        if (direction <= 4)
            _direction.setCurIndex(direction)
    }

    function translateStrings() {
        for (let i = 0; i < effectItems.count; ++i)
            effectItems.setProperty(i, "textX", Scene.globalSetting_stringList[88 + i])
    }

    function pageReset() {
        showValues([0, 4, 7, 7, 0])
    }

    function pageApply() {
        Scene.ui_View.ui_15H_SetBackLEDType(_effectList.currentIndex + 1,
                                      Math.round((7 - speedSlider.currentIndex) * 9 / 7) + 1,
                                      brightnessSlider.currentIndex * 7, _palette.currentIndex,
                                      _direction.currentIndex)
        baseline.markStored()
        history.reset()
    }

    ListModel {
        id: effectItems
        ListElement { textX: "STATIC" }
        ListElement { textX: "TWINKLING" }
        ListElement { textX: "MARQUEE" }
        ListElement { textX: "BREATHING" }
    }

    component Label: Text {
        width: 110
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: Scene.globalSetting_color_enable
        elide: Text.ElideRight
    }

    Column {
        x: 140
        y: 64
        spacing: 18

        Row {
            z: 2
            spacing: 10
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: Scene.globalSetting_stringList[86]
            }
            DropdownList {
                id: _effectList
                objectName: "_effectList"
                currentIndex: 0
                mdItems: effectItems
                accessibleName: Scene.globalSetting_stringList[86]
            }
        }
        Row {
            spacing: 10
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: Scene.globalSetting_stringList[3]
            }
            Slider {
                id: speedSlider
                objectName: "speedSlider"
                currentIndex: 4
                accessibleName: Scene.globalSetting_stringList[3]
            }
        }
        Row {
            spacing: 10
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: Scene.globalSetting_stringList[4]
            }
            Slider {
                id: brightnessSlider
                objectName: "brightnessSlider"
                accessibleName: Scene.globalSetting_stringList[4]
            }
        }
        Row {
            spacing: 10
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: Scene.globalSetting_stringList[35]
            }
            PaletteRow {
                id: _palette
                objectName: "_palette"
                palette: page.palette
                currentIndex: 7
            }
        }
        Row {
            spacing: 10
            opacity: 0.2
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: Scene.globalSetting_stringList[5]
            }
            // The back light has no direction to choose.
            SteeringWheel {
                id: _direction
                objectName: "_direction"
                enabled: false
                currentIndex: 0
                accessibleName: Scene.globalSetting_stringList[5]
                textColor: Scene.globalSetting_color_enable
            }
        }
    }

    Row {
        x: 140 + 420
        y: 64
        spacing: 6
        Button_2state {
            objectName: "resetButton"
            source0: Scene.sourceReset0
            source1: Scene.sourceReset1
            accessibleName: Scene.globalSetting_stringList[77]
            onClicked: page.pageReset()
        }
        Button_2state {
            objectName: "applyButton"
            source0: Scene.sourceApply0
            source1: Scene.sourceApply1
            accessibleName: Scene.sceneTexts.apply
            onClicked: page.pageApply()
            PendingMark { shown: page.hasPendingEdits }
        }
    }
}
