import QtQuick

// A text field in the reading order of Tab, named for a screen reader, marked like the other
// controls while it holds the focus. Tab and Shift+Tab leave it: it takes no Tab itself.
TextInput {
    id: input
    property string accessibleName: ""
    // How far the mark stands off the field.
    property int markOffset: 5

    Accessible.role: Accessible.EditableText
    Accessible.name: accessibleName
    Keys.onTabPressed: function (event) { FocusChain.move(input, input.Window.window, !(event.modifiers & Qt.ShiftModifier)) }
    Keys.onBacktabPressed: FocusChain.move(input, input.Window.window, false)
    onActiveFocusChanged: {
        if (activeFocus)
            FocusChain.lastFocused = input
    }
    Component.onCompleted: FocusChain.register(input)
    Component.onDestruction: FocusChain.unregister(input)

    Rectangle {
        objectName: "focusMark"
        anchors.fill: parent
        anchors.margins: -input.markOffset
        visible: input.activeFocus
        color: "transparent"
        radius: 2
        border.width: 2
        border.color: Scene.globalSetting_color
    }
}
