import QtQuick

// Red, green and blue as three number fields of 0 … 255; the values count once a field loses
// its focus (Enter, a click elsewhere, or a button that calls commit()).
Row {
    id: fields
    signal colorEntered(int r, int g, int b)

    spacing: 4

    function setColor(r, g, b) {
        fieldR.input.text = r
        fieldG.input.text = g
        fieldB.input.text = b
    }

    function value(field) {
        const number = parseInt(field.input.text)
        return isNaN(number) ? 0 : Math.max(0, Math.min(255, number))
    }

    // Takes what the fields hold, as when they lose their focus.
    function commit() {
        for (const field of [fieldR, fieldG, fieldB])
            field.input.focus = false
    }

    function take() {
        colorEntered(value(fieldR), value(fieldG), value(fieldB))
    }

    component NumberField: Row {
        id: numberField
        property alias label: fieldLabel.text
        property alias accessibleName: input.accessibleName
        property alias input: input
        // The field lost its focus: its value counts.
        signal focusLeft
        spacing: 1
        Text {
            id: fieldLabel
            width: 12
            anchors.verticalCenter: parent.verticalCenter
            font.family: Scene.globalSetting_fontFamily
            font.pixelSize: Scene.globalSetting_size
            font.bold: true
            color: Scene.globalSetting_color
            Accessible.ignored: true
        }
        Image {
            width: 39
            height: 21
            source: Scene.sourceInputValue
            FocusInput {
                id: input
                anchors.fill: parent
                anchors.margins: 3
                horizontalAlignment: TextInput.AlignHCenter
                verticalAlignment: TextInput.AlignVCenter
                // Whole numbers 0 … 255 only; a keystroke that would leave them is refused.
                validator: RegularExpressionValidator { regularExpression: /^(|25[0-5]|2[0-4][0-9]|1[0-9]{0,2}|[1-9][0-9]?|0)$/ }
                maximumLength: 3
                text: "255"
                font.family: "Arial"
                font.pixelSize: Scene.globalSetting_size
                font.bold: true
                color: Scene.globalSetting_color_enable
                selectByMouse: true
                onActiveFocusChanged: {
                    if (!activeFocus)
                        numberField.focusLeft()
                }
                onAccepted: focus = false
            }
        }
    }

    NumberField { id: fieldR; objectName: "fieldR"; label: "R "; accessibleName: Scene.sceneTexts.red; onFocusLeft: fields.take() }
    NumberField { id: fieldG; objectName: "fieldG"; label: "G "; accessibleName: Scene.sceneTexts.green; onFocusLeft: fields.take() }
    NumberField { id: fieldB; objectName: "fieldB"; label: "B "; accessibleName: Scene.sceneTexts.blue; onFocusLeft: fields.take() }
}
