import QtQuick
import "../common"

// The window's background: the skin's picture or the user's own, under the glass frame.
Item {
    id: environment
    width: 1000
    height: 600

    // The layers are read when the opening starts fading them in, not before the first frame.
    readonly property bool isWanted: opacity > 0

    // The user's picture is cut to the skin background's outline, so the window keeps its shape.
    Image {
        anchors.fill: parent
        source: !environment.isWanted ? ""
                : Scene.isCustomBackground
                ? "image://windowshaped/" + encodeURIComponent(Scene.sourceCustomBackground) + "/"
                  + encodeURIComponent(Scene.sourceBackground)
                : Scene.sourceBackground
        fillMode: Image.PreserveAspectCrop
    }

    Image {
        x: 0
        y: 0
        source: environment.isWanted ? Scene.sourceFrameBackground : ""
    }
}
