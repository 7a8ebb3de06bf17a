import QtQuick

// Stands in for the scene root and keeps every key report it gets, as [isDown, usbCode].
Item {
    property var reports: []

    function detectKeyboard(isDown, usbCode) {
        reports.push([isDown, usbCode])
    }
}
