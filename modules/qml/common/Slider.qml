import QtQuick

// A seven-step level picker; a release anywhere on it picks the step under the pointer.
Image {
    id: slider
    property int minIndex: 0
    property alias currentIndex: steps.currentIndex
    // What a screen reader calls the slider.
    property alias accessibleName: focusTarget.name
    signal sliderClicked(int index)

    // The arrow keys move one step, as a click on the next cell would.
    function step(delta) {
        const next = Math.max(minIndex, Math.min(7, currentIndex + delta))
        if (next === currentIndex)
            return
        currentIndex = next
        sliderClicked(currentIndex)
    }

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    source: Scene.sourceSlider

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
                        // Qt 6.4's lint cannot see this document's ids from a delegate;
                        // the lines that use them say so.
                        if (stepMouse.pressed) // qmllint disable unqualified
                            return x <= stepMouse.mouseX ? Scene.sourceSliderFiller1 : Scene.sourceSliderFiller0
                        return steps.currentIndex >= value ? Scene.sourceSliderFiller1 : Scene.sourceSliderFiller0
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

    FocusTarget {
        id: focusTarget
        objectName: "focusTarget"
        role: Accessible.Slider
        description: slider.currentIndex + " / 7"
        // The value a screen reader reads and sets.
        readonly property int value: slider.currentIndex
        readonly property int minimumValue: slider.minIndex
        readonly property int maximumValue: 7
        Keys.onRightPressed: slider.step(1)
        Keys.onUpPressed: slider.step(1)
        Keys.onLeftPressed: slider.step(-1)
        Keys.onDownPressed: slider.step(-1)
        Accessible.onIncreaseAction: slider.step(1)
        Accessible.onDecreaseAction: slider.step(-1)
    }
}
