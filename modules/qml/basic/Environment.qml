import QtQuick

// The window's background: the skin's picture or the user's own, under the glass frame.
Item {
    width: 1000
    height: 600

    Image {
        anchors.fill: parent
        source: isCustomBackground ? sourceCustomBackground : sourceBackground
        fillMode: Image.PreserveAspectCrop
    }

    Image {
        x: 0
        y: 0
        source: sourceFrameBackground
    }
}
