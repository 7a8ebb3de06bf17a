import QtQuick
import "../common"

// Ornaments drawn over the device view, one on each side of the top.
Item {
    width: 1000
    height: 600

    Image {
        x: 78 - width / 2
        y: 93 - height / 2
        source: Scene.sourceDecoration1
    }

    Image {
        x: 923 - width / 2
        y: 93 - height / 2
        source: Scene.sourceDecoration2
    }
}
