import QtQuick
import "../common"

// Two buttons in the frame below a list.
Image {
    id: pair
    property alias first: firstButton
    property alias second: secondButton
    signal firstClicked
    signal secondClicked
    source: Scene.sourceFram2btn

    Button_2state {
        id: firstButton
        x: pair.width / 2 - width - 10
        anchors.verticalCenter: pair.verticalCenter
        onClicked: pair.firstClicked()
    }
    Button_2state {
        id: secondButton
        x: pair.width / 2 + 10
        anchors.verticalCenter: pair.verticalCenter
        onClicked: pair.secondClicked()
    }
}
