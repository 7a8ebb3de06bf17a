import QtQuick

// A device page that is built the first time it is wanted, so the window opens without the pages
// a user has not asked for yet. It is built at once (not in pieces between frames), so the page's
// key pictures are complete when it is first called. The page is named by its document, not by
// its type: the scene then neither loads nor compiles a page, nor what it uses, before it is wanted.
Loader {
    id: slot
    property int pageIndex: -1
    property bool wanted: false
    // The page's document, beside this one, and the object name the page takes.
    property string pageSource: ""
    property string pageName: ""
    // The page's function that sends its edits, for a page whose edits can be pending.
    property string applyFunction: ""
    readonly property var page: item
    readonly property bool hasPendingEdits: page !== null && page.hasPendingEdits === true

    // Called on the page once it exists (the page's own functions; a missing one is skipped).
    signal pageLoaded(var page)

    active: wanted

    function call(functionName, args) {
        if (item && typeof item[functionName] === "function")
            item[functionName].apply(item, args || [])
    }

    onLoaded: pageLoaded(item)
    Component.onCompleted: setSource(pageSource, { "objectName": pageName })
}
