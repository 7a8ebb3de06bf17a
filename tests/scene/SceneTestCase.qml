import QtQuick
import QtTest

// A test case with the look-ups that scene tests share.
TestCase {
    id: testCase
    when: windowShown

    Component {
        id: spyComponent
        SignalSpy {}
    }

    // The item with that object name below item, searched depth first through visual children
    // and flickable contents.
    function findChild(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        const kids = item.children || []
        for (let i = 0; i < kids.length; ++i) {
            const found = findChild(kids[i], name)
            if (found)
                return found
        }
        if (item.contentItem && item.contentItem !== item)
            return findChild(item.contentItem, name)
        return null
    }

    // A stored configuration as the settings file gives it back: every value as text.
    function configList(overrides) {
        const config = ["3.2.0001", "0", "1", "1", "false", "",
                        "255", "255", "255", "255", "200", "150", "255", "180", "0", "200", "200", "100",
                        "200", "170", "255", "255", "180", "180", "160", "190", "160",
                        "2", "7", "https://korvane.example/"]
        for (const index in overrides)
            config[index] = overrides[index]
        return config
    }

    // The whole scene, started as the native side starts it, on the stand-in controller.
    function createScene(parentItem) {
        const component = Qt.createComponent("qrc:/modules/qml/main.qml")
        verify(component.status === Component.Ready, component.errorString())
        // The controller and the window control, as the native side hands them to the root.
        const scene = createTemporaryObject(component, parentItem, { "ui_View": ui_View, "ui_Ctl": ui_Ctl })
        verify(scene)
        return scene
    }

    // A device page once it has been built; asking for it builds it, as choosing it in the menu does.
    function devicePage(scene, index, name) {
        findChild(scene, "main_Z9").wantPage(index)
        tryVerify(() => findChild(scene, name) !== null, 5000, name + " is built")
        return findChild(scene, name)
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { "target": target, "signalName": signalName })
    }
}
