import QtQuick
import QtTest
import "../scene"

// The panel about keys typed into other windows, on the real controller: a Wayland session offers
// it from the settings panel, with what the opt-in rule allows, whether it is in place, and the
// one command that puts it in place or removes it.
Item {
    id: host
    width: 1000
    height: 600

    TextEdit {
        id: pasteTarget
        visible: false
    }

    SceneTestCase {
        id: test
        name: "KeysElsewherePanel"

        property var scene: null

        function start(isWayland, isOptInActive) {
            z9.reset()
            z9.setSession(isWayland, isOptInActive)
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
            findChild(scene, "upItem").btnClicked(0)
            tryVerify(() => findChild(scene, "keysOpen") !== null, 5000, "the settings controls are built")
            tryCompare(findChild(scene, "_fkGlobalsetting"), "contentX", 0)
        }

        function cleanup() {
            z9.setSession(false, false)
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        function openPanel() {
            const entry = findChild(scene, "keysOpen")
            verify(entry.visible)
            mouseClick(entry)
            const panel = findChild(scene, "keysPanel")
            tryCompare(panel, "visible", true)
            return panel
        }

        function test_withoutTheRuleItOffersTheCommandThatPutsItInPlace() {
            start(true, false)
            const panel = openPanel()
            verify(findChild(panel, "keysWhat").text.indexOf("every key typed on the Z9") >= 0)
            verify(findChild(panel, "keysState").text.startsWith("The rule is not in place"))
            const command = findChild(panel, "keysCommand").text
            verify(command.startsWith("sudo install -D -m 644 "), command)
            verify(command.indexOf("/share/korvane/udev/71-korvane-z9-event-nodes.rules /etc/udev/rules.d/") > 0, command)

            mouseClick(findChild(panel, "copyKeysCommand"))
            pasteTarget.text = ""
            pasteTarget.paste()
            compare(pasteTarget.text, command)

            keyClick(Qt.Key_Escape)
            tryCompare(panel, "visible", false)
        }

        function test_withTheRuleItSaysSoAndOffersItsRemoval() {
            start(true, true)
            const panel = openPanel()
            verify(findChild(panel, "keysState").text.startsWith("The rule is in place"))
            compare(findChild(panel, "keysCommand").text,
                    "sudo rm /etc/udev/rules.d/71-korvane-z9-event-nodes.rules && sudo udevadm control --reload")
        }

        // X11 shows every window's keys to the tool: there is nothing to opt into.
        function test_anX11SessionDoesNotOfferIt() {
            start(false, false)
            verify(!findChild(scene, "keysOpen").visible)
        }
    }
}
