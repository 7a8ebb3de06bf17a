import QtQuick

// What makes a control usable without a mouse: laid over the control, it is the control as a
// screen reader sees it (role and name), takes the focus in reading order with Tab and Shift+Tab,
// shows a mark (FocusMark) in the skin's highlight colour while it holds the focus, and reports
// Space, Enter and a screen reader's press as `activated`. A control adds its arrow keys on its own
// instance.
Item {
    id: target
    property int role: Accessible.Button
    property string name: ""
    property string description: ""
    property bool checkable: false
    property bool checked: false
    // How far the mark stands off the control's edge.
    property int markOffset: 2
    // A field that takes keys for itself leaves Space and Enter to them.
    property bool activatesOnKeys: true
    // A field that takes Tab for itself keeps the focus on Tab.
    property bool holdsTab: false
    // The key (Space, Enter) whose press activates the control, while `activated` runs; else 0.
    property int activatingKey: 0
    // The mark shown while the control holds the focus: made when the control first takes it, as
    // most controls never do.
    property Item mark: null
    signal activated

    function keyActivates(event) {
        event.accepted = activatesOnKeys
        if (!activatesOnKeys)
            return
        activatingKey = event.key
        activated()
        activatingKey = 0
    }

    anchors.fill: parent

    // Qt does not tell a screen reader that a control is disabled: a disabled one leaves its tree.
    Accessible.ignored: !enabled
    Accessible.role: role
    Accessible.name: name
    Accessible.description: description
    Accessible.focusable: true
    Accessible.focused: activeFocus
    Accessible.checkable: checkable
    Accessible.checked: checked
    Accessible.onPressAction: target.activated()
    Accessible.onToggleAction: target.activated()

    Keys.onSpacePressed: function (event) { keyActivates(event) }
    Keys.onReturnPressed: function (event) { keyActivates(event) }
    Keys.onEnterPressed: function (event) { keyActivates(event) }
    // Shift+Tab arrives as Backtab on most platforms, as Tab with Shift on some.
    Keys.onTabPressed: function (event) {
        if (!holdsTab)
            FocusChain.move(target, target.Window.window, !(event.modifiers & Qt.ShiftModifier))
    }
    Keys.onBacktabPressed: {
        if (!holdsTab)
            FocusChain.move(target, target.Window.window, false)
    }

    onActiveFocusChanged: {
        if (!activeFocus)
            return
        FocusChain.lastFocused = target
        if (!mark)
            mark = FocusChain.markComponent.createObject(target, { "target": target,
                                                                   "offset": Qt.binding(() => target.markOffset) })
    }
    onEnabledChanged: FocusChain.whenGone(target)
    onVisibleChanged: FocusChain.whenGone(target)
    Component.onCompleted: FocusChain.register(target)
    Component.onDestruction: FocusChain.unregister(target)
}
