import QtQuick
import "../common"
import "lighting.js" as Lighting

// The key lighting page: an effect or a painted picture, with speed, brightness, colour and
// direction, the seven-colour palette, and a live preview on the keyboard picture.
Image {
    id: page
    source: Scene.sourceFnColorBackground
    width: 759
    height: 442

    property var palette: Lighting.factoryPalette
    // The colour that the strip, the number fields and the slots edit.
    property var currentColor: [255, 255, 255]
    // The key code tables of the device view, when there is one around the page.
    readonly property var keyCodes: Scene.keyCodeString
    readonly property bool hasPendingEdits: baseline.hasPendingEdits

    // What apply can send against what the profile file holds: the lighting type with the palette,
    // then the five pictures, of which apply sends only the chosen one.
    EditBaseline {
        id: baseline
        parts: [JSON.stringify([page.palette, page.effectCode, speedSlider.currentIndex, brightnessSlider.currentIndex,
                                _palette.currentIndex, _direction.currentIndex]),
            JSON.stringify(_eft_Ctrl.pic_01), JSON.stringify(_eft_Ctrl.pic_02), JSON.stringify(_eft_Ctrl.pic_03),
            JSON.stringify(_eft_Ctrl.pic_04), JSON.stringify(_eft_Ctrl.pic_05)]
    }

    // A paint rectangle or a drag along the colour strip is one step once the button is released.
    UndoHistory {
        id: history
        state: ({ "palette": page.palette, "menus": [_menu1.currentIndex, _menu2_0.currentIndex, _menu2_1.currentIndex],
                  "values": [speedSlider.currentIndex, brightnessSlider.currentIndex, _palette.currentIndex,
                             _direction.currentIndex],
                  "pictures": [_eft_Ctrl.pic_01, _eft_Ctrl.pic_02, _eft_Ctrl.pic_03, _eft_Ctrl.pic_04, _eft_Ctrl.pic_05] })
        holding: paintMouse.pressed || colorStrip.isPicking
        onRestoring: function (state) { page.showState(state) }
    }

    function undo() {
        return history.undo()
    }

    function redo() {
        return history.redo()
    }

    function showState(state) {
        palette = state.palette
        _menu1.setCurIndex(state.menus[0])
        _menu2_0.setCurIndex(state.menus[1])
        _menu2_1.setCurIndex(state.menus[2])
        speedSlider.setCurIndex(state.values[0])
        brightnessSlider.setCurIndex(state.values[1])
        selectColor(state.values[2])
        _direction.setCurIndex(state.values[3])
        for (let n = 0; n < 5; ++n)
            setPicture(n, state.pictures[n])
        preview()
    }

    // 0x33 + the PAINTING entry, the EFFECTS entry + 1, or -1 without a first-level entry.
    readonly property int effectCode: _menu1.currentIndex === 0 ? 0x33 + _menu2_0.currentIndex
                                      : _menu1.currentIndex === 1 ? _menu2_1.currentIndex + 1 : -1
    readonly property bool isPicture: effectCode >= 0x33 && effectCode <= 0x37
    readonly property bool isEffect: effectCode >= 0x01 && effectCode <= 0x0D
    readonly property bool usesColor: isPicture || (isEffect && effectCode !== 0x03 && effectCode !== 0x08 && effectCode !== 0x09)
    readonly property bool usesSpeed: isEffect && effectCode !== 0x01
    readonly property bool usesDirection: effectCode === 0x03 || effectCode === 0x0D
    readonly property bool canSend: isPicture || isEffect

    // The byte sent for each speed slider position, 0 (slowest) … 7.
    readonly property var speedBytes: [0x0B, 0x0A, 0x09, 0x07, 0x06, 0x04, 0x03, 0x01]

    // The slider position of a stored speed byte; every byte the page sends reads back as the
    // position it came from.
    function speedPosition(speed) {
        if (speed === 0x0B)
            return 0
        if (speed === 0x0A)
            return 1
        const lowest = [[0x09, 2], [0x07, 3], [0x06, 4], [0x04, 5], [0x03, 6], [0x01, 7]]
        for (const [least, position] of lowest) {
            if (speed >= least)
                return position
        }
        return 0
    }

    function initUI(isFirst, HWDef) {
        if (isFirst === true) {
            _model.initUI(HWDef)
            _eft_Ctrl.init()
        }
        palette = Lighting.storedPalette(palette, i => Scene.ui_View.ui_94H_GetColor(i))
        for (let n = 0; n < 5; ++n) {
            const picture = Lighting.storedBytes(Scene.ui_View.ui_92H_GetUserPicture(n), 512)
            if (picture)
                setPicture(n, picture)
        }
        const ledType = Lighting.storedBytes(Scene.ui_View.ui_88H_GetLEDType(), 5)
        if (ledType)
            showLedType(ledType)
        preview()
        baseline.markStored()
        history.reset()
    }

    function showLedType(ledType) {
        const [effect, speed, light, color, direction] = ledType
        if (effect >= 0x33 && effect <= 0x37)
            selectEffect(0, effect - 0x33)
        else if (effect >= 0x01 && effect <= 0x0D)
            selectEffect(1, effect - 1)
        else
            selectEffect(-1, -1)
        speedSlider.setCurIndex(speedPosition(speed))
        if (light <= 49)
            brightnessSlider.setCurIndex(Math.floor(light / 7))
        if (color >= 1 && color <= 8)
            selectColor(color - 1)
        if (direction <= 4)
            _direction.setCurIndex(direction)
    }

    function translateStrings() {
        const strings = Scene.globalSetting_stringList
        menu1Items.setProperty(0, "textX", strings[6])
        menu1Items.setProperty(1, "textX", strings[7])
        for (let i = 0; i < paintingItems.count; ++i)
            paintingItems.setProperty(i, "textX", strings[8 + i])
        for (let i = 0; i < effectItems.count; ++i)
            effectItems.setProperty(i, "textX", strings[13 + i])
    }

    function detectKeyboard(isDown, usbCode) {
        _eft_Ctrl.detectKeyboard(isDown, usbCode)
    }

    function preview() {
        _eft_Ctrl.play(effectCode)
    }

    function selectEffect(menu, entry) {
        _menu1.setCurIndex(menu)
        _menu2_0.setCurIndex(menu === 0 ? entry : -1)
        _menu2_1.setCurIndex(menu === 1 ? entry : -1)
    }

    // Position 0 … 6 selects a palette slot and shows its colour; 7 is LOOP.
    function selectColor(index) {
        _palette.currentIndex = index
        if (index >= 0 && index < 7)
            showCurrentColor(palette[index])
    }

    function showCurrentColor(rgb) {
        currentColor = rgb
        _colorFields.setColor(rgb[0], rgb[1], rgb[2])
    }

    // A new current colour goes to the selected slot as well.
    function editColor(rgb) {
        currentColor = rgb
        const index = _palette.currentIndex
        if (index >= 0 && index < 7) {
            const colors = palette.slice()
            colors[index] = rgb
            palette = colors
        }
    }

    function picture(n) {
        return _eft_Ctrl.getPic(n + 1)
    }

    function setPicture(n, values) {
        _eft_Ctrl["pic_0" + (n + 1)] = values
    }

    // Gives the keys of the painted rectangle the current colour in the picture being edited.
    function paintSelectedKeys() {
        const n = effectCode - 0x33
        if (n < 0 || n > 4)
            return
        const values = picture(n).slice()
        let changed = false
        for (const key of _model.keys_kId) {
            if (!key.isSelect || key.matrix < 0 || key.matrix > 125)
                continue
            for (let c = 0; c < 3; ++c)
                values[4 * key.matrix + 1 + c] = currentColor[c]
            changed = true
        }
        if (changed)
            setPicture(n, values)
    }

    // Enter on a key of the picture paints it alone, as a click on it does.
    function paintKey(chosen) {
        for (const key of _model.keys_kId)
            key.isSelect = key === chosen
        paintSelectedKeys()
    }

    // Like its button, apply needs an effect or a picture to send.
    function apply() {
        if (!canSend)
            return
        _colorFields.commit()
        Scene.ui_View.ui_08H_SetLEDType(0x01, 0, 0, 0, 0, 0)
        for (let i = 0; i < 7; ++i)
            Scene.ui_View.ui_14H_SetColor(i, palette[i][0], palette[i][1], palette[i][2])
        if (effectCode >= 0x33)
            Scene.ui_View.ui_12H_SetUserPicture(effectCode - 0x33, 0, picture(effectCode - 0x33))
        Scene.ui_View.ui_08H_SetLEDType(0x02, effectCode, speedBytes[speedSlider.currentIndex],
                                  brightnessSlider.currentIndex * 7, _palette.currentIndex + 1,
                                  _direction.currentIndex)
        baseline.markStored(effectCode >= 0x33 ? [0, 1 + effectCode - 0x33] : [0])
        history.reset()
        preview()
    }

    function reset() {
        _colorFields.commit()
        palette = Lighting.factoryPalette
        for (let n = 0; n < 5; ++n)
            setPicture(n, new Array(512).fill(0))
        selectEffect(1, 2)
        speedSlider.setCurIndex(4)
        brightnessSlider.setCurIndex(7)
        selectColor(0)
        _direction.setCurIndex(1)
        preview()
    }

    Component.onCompleted: {
        for (let n = 0; n < 5; ++n)
            setPicture(n, new Array(512).fill(0))
        speedSlider.setCurIndex(4)
        brightnessSlider.setCurIndex(7)
        selectColor(6)
    }

    ListModel {
        id: menu1Items
        ListElement { textX: "PAINTING" }
        ListElement { textX: "EFFECTS" }
    }
    ListModel {
        id: paintingItems
        ListElement { textX: "USER DEFINE 1" }
        ListElement { textX: "USER DEFINE 2" }
        ListElement { textX: "USER DEFINE 3" }
        ListElement { textX: "USER DEFINE 4" }
        ListElement { textX: "USER DEFINE 5" }
    }
    ListModel {
        id: effectItems
        ListElement { textX: "STATIC" }
        ListElement { textX: "BREATHING" }
        ListElement { textX: "WAVE" }
        ListElement { textX: "INDUCTION DARKEN" }
        ListElement { textX: "MARQUEE" }
        ListElement { textX: "RIPPLE" }
        ListElement { textX: "INDUCTION BRIGHTEN" }
        ListElement { textX: "NEON" }
        ListElement { textX: "MARQUEE COLORFUL" }
        ListElement { textX: "RAINING" }
        ListElement { textX: "MARQUEE CIRCLE" }
        ListElement { textX: "SPOTLIGHT" }
        ListElement { textX: "ROTATION" }
    }

    component Label: Text {
        font.family: Scene.globalSetting_fontFamily
        font.pixelSize: Scene.globalSetting_size
        font.bold: true
        color: Scene.globalSetting_color_enable
        elide: Text.ElideRight
    }

    // The keyboard picture with the preview, and the painting over it.
    Item {
        id: pictureArea
        objectName: "pictureArea"
        x: 1
        y: 68
        width: 738
        height: 250

        Effect_Controler_Z9 {
            id: _eft_Ctrl
            objectName: "_eft_Ctrl"
            x: 22
            y: 29
            model: _model
            keyCodes: page.keyCodes
            active: page.visible && Scene.ui_View.isShown === true
            speedLV: (8 - speedSlider.currentIndex) % 8
            brightnessLV: brightnessSlider.currentIndex
            directLV: _direction.currentIndex
            colorIndex: _palette.currentIndex
            palette: page.palette

            Model_Color_Z9 {
                id: _model
                objectName: "_model"
                controller: _eft_Ctrl
                isWalkable: paintMouse.enabled
                onKeyChosen: function (key) { page.paintKey(key) }
            }
        }

        Rectangle {
            id: paintRect
            objectName: "paintRect"
            visible: paintMouse.pressed
            color: Qt.rgba(page.currentColor[0] / 255, page.currentColor[1] / 255, page.currentColor[2] / 255, 0x80 / 255)
            border.width: 1
            border.color: Qt.rgba(page.currentColor[0] / 255, page.currentColor[1] / 255, page.currentColor[2] / 255, 1)
        }

        MouseArea {
            id: paintMouse
            objectName: "paintMouse"
            anchors.fill: parent
            hoverEnabled: true
            enabled: _menu1.currentIndex === 0
            property point origin: Qt.point(0, 0)

            // The rectangle from the press to the pointer, in area coordinates; while no button
            // is down it has no size and sits at the pointer.
            function track(mouse, isDragging) {
                const from = isDragging ? origin : Qt.point(mouse.x, mouse.y)
                paintRect.x = Math.min(from.x, mouse.x)
                paintRect.y = Math.min(from.y, mouse.y)
                paintRect.width = Math.abs(mouse.x - from.x)
                paintRect.height = Math.abs(mouse.y - from.y)
                markKeys(false)
            }
            // Keys touching the rectangle show their frame, or on release become selected.
            function markKeys(select) {
                const x1 = paintRect.x - _eft_Ctrl.x
                const y1 = paintRect.y - _eft_Ctrl.y
                const touching = new Set(_model.keysTouching(x1, y1, x1 + paintRect.width, y1 + paintRect.height))
                for (const key of _model.keys_kId) {
                    key.isTouched = touching.has(key)
                    if (select)
                        key.isSelect = key.isTouched
                }
            }
            function untouch() {
                for (const key of _model.keys_kId)
                    key.isTouched = false
            }
            onPressed: function (mouse) {
                page.forceActiveFocus()
                origin = Qt.point(mouse.x, mouse.y)
                for (const key of _model.keys_kId)
                    key.isSelect = false
                track(mouse, true)
            }
            onPositionChanged: function (mouse) { track(mouse, pressed) }
            onReleased: function (mouse) {
                track(mouse, true)
                markKeys(true)
                page.paintSelectedKeys()
            }
            onExited: untouch()
            onEnabledChanged: untouch()
        }
    }

    DropdownList {
        id: _menu1
        objectName: "_menu1"
        x: 140
        y: 15
        z: 3
        mdItems: menu1Items
        accessibleName: Scene.globalSetting_stringList[1]
        onListElementClicked: function (index) {
            page.selectEffect(index, -1)
            page.preview()
        }
    }

    DropdownList {
        id: _menu2_0
        objectName: "_menu2_0"
        x: _menu1.x + _menu1.width + 20
        y: 15
        z: 2
        visible: _menu1.currentIndex === 0
        mdItems: paintingItems
        accessibleName: Scene.globalSetting_stringList[6]
        onListElementClicked: page.preview()
    }

    DropdownList {
        id: _menu2_1
        objectName: "_menu2_1"
        x: _menu2_0.x
        y: 15
        z: 2
        visible: _menu1.currentIndex === 1
        mdItems: effectItems
        accessibleName: Scene.globalSetting_stringList[7]
        onListElementClicked: page.preview()
    }

    Row {
        x: _menu1.x + 420
        y: 15
        spacing: 6
        Button_2state {
            objectName: "resetButton"
            source0: Scene.sourceReset0
            source1: Scene.sourceReset1
            accessibleName: Scene.globalSetting_stringList[77]
            enabled: page.canSend
            onClicked: page.reset()
        }
        Button_2state {
            objectName: "applyButton"
            source0: Scene.sourceApply0
            source1: Scene.sourceApply1
            accessibleName: Scene.sceneTexts.apply
            enabled: page.canSend
            onClicked: page.apply()
            PendingMark { shown: page.hasPendingEdits }
        }
    }

    // Speed and brightness, colour, and direction below the picture.
    Item {
        id: controls
        x: 30
        y: 332
        width: 700
        height: 104

        Label {
            y: 4
            width: 90
            text: Scene.globalSetting_stringList[3]
            opacity: speedSlider.opacity
        }
        Slider {
            id: speedSlider
            objectName: "speedSlider"
            x: 96
            accessibleName: Scene.globalSetting_stringList[3]
            enabled: page.usesSpeed
            opacity: enabled ? 1 : 0.2
        }

        Label {
            x: 270
            y: 4
            width: 90
            text: Scene.globalSetting_stringList[4]
            opacity: brightnessSlider.opacity
        }
        Slider {
            id: brightnessSlider
            objectName: "brightnessSlider"
            x: 366
            accessibleName: Scene.globalSetting_stringList[4]
            enabled: page.canSend
            opacity: enabled ? 1 : 0.2
        }

        Item {
            id: colorEditor
            objectName: "colorEditor"
            y: 36
            width: 520
            height: 62
            enabled: page.usesColor
            opacity: enabled ? 1 : 0.2

            Label {
                y: 4
                width: 90
                text: Scene.globalSetting_stringList[35]
            }
            PaletteRow {
                id: _palette
                objectName: "_palette"
                x: 96
                palette: page.palette
                onSlotClicked: function (index) { page.selectColor(index) }
            }
            ColorStrip {
                id: colorStrip
                objectName: "colorStrip"
                x: 96
                y: 32
                onColorPicked: function (r, g, b) {
                    page.showCurrentColor([r, g, b])
                    page.editColor([r, g, b])
                }
            }
            ColorFields {
                id: _colorFields
                objectName: "_colorFields"
                x: 206
                y: 32
                onColorEntered: function (r, g, b) { page.editColor([r, g, b]) }
            }
        }

        Label {
            x: 560
            y: 4
            width: 90
            text: Scene.globalSetting_stringList[5]
            opacity: _direction.opacity
        }
        SteeringWheel {
            id: _direction
            objectName: "_direction"
            x: 630
            y: 8
            enabled: page.usesDirection
            accessibleName: Scene.globalSetting_stringList[5]
            opacity: enabled ? 1 : 0.2
            textColor: Scene.globalSetting_color_enable
            onWheelClicked: page.preview()
        }
    }
}
