import QtQuick

// Whether a page's edits differ from what the current profile file holds. The page binds `parts`
// to what its apply would send, as a list of texts, and calls markStored() whenever the file holds
// them: all parts after reading the profile, the parts its apply sent after apply.
QtObject {
    property var parts: []
    property var stored: []
    property bool isKnown: false
    readonly property bool hasPendingEdits: isKnown && parts.some((part, i) => part !== stored[i])

    function markStored(indexes) {
        const next = stored.slice()
        for (let i = 0; i < parts.length; ++i) {
            if (indexes === undefined || indexes.indexOf(i) >= 0)
                next[i] = parts[i]
        }
        stored = next
        isKnown = true
    }
}
