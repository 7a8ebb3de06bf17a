import QtQuick

// A seven-step level picker; a release anywhere on it picks the step under the pointer.
Image {
    id: slider
    property int minIndex: 0
    property alias currentIndex: steps.currentIndex
    signal sliderClicked(int index)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    source: sourceSlider

    Item {
        id: steps
        property int currentIndex: 7
        x: 5
        y: 1
        width: 20 * 7 + 1
        height: 21

        Row {
            spacing: -1
            Repeater {
                model: 7
                Image {
                    required property int index
                    readonly property int value: index + 1
                    source: {
                        if (stepMouse.pressed)
                            return x <= stepMouse.mouseX ? sourceSliderFiller1 : sourceSliderFiller0
                        return steps.currentIndex >= value ? sourceSliderFiller1 : sourceSliderFiller0
                    }
                }
            }
        }

        MouseArea {
            id: stepMouse
            objectName: "stepMouse"
            anchors.fill: parent
            onReleased: function (mouse) {
                const x = Math.max(0, Math.min(width - 1, mouse.x))
                steps.currentIndex = Math.max(slider.minIndex, Math.ceil(x / (width - 1) * 7))
                slider.sliderClicked(steps.currentIndex)
            }
        }
    }
}
