import QtQuick

// The textX of one element of a list model, kept up to date when the model's texts change
// (a language switch rewrites them in place).
QtObject {
    id: watcher
    property var model: null
    property int index: -1
    readonly property bool valid: model !== null && index >= 0 && index < model.count
    property int revision: 0
    readonly property string text: {
        revision
        return valid ? String(model.get(index).textX) : ""
    }

    property Connections modelChanges: Connections {
        target: watcher.model
        function onDataChanged() {
            watcher.revision++
        }
        function onRowsInserted() {
            watcher.revision++
        }
        function onRowsRemoved() {
            watcher.revision++
        }
        function onModelReset() {
            watcher.revision++
        }
    }
}
