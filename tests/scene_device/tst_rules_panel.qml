import QtQuick
import QtTest
import "../scene"

// The per-application profiles panel in the whole scene on the real controller: reached from the
// settings panel, it shows the rules file and writes every change to it at once, and says why no
// application is followed while no background service runs.
Item {
    id: host
    width: 1000
    height: 600

    SceneTestCase {
        id: test
        name: "RulesPanel"

        property var scene: null

        function init() {
            z9.reset()
            scene = createScene(host)
            scene.initUI()
            scene.run()
            tryCompare(findChild(scene, "pageArea"), "visible", true)
        }

        function cleanup() {
            compare(z9.sceneWarnings(), [], "the scene wrote no warnings")
        }

        function panel() {
            return findChild(scene, "rulesPanel")
        }

        // As a user opens it: the settings button, then the panel's entry.
        function openPanel() {
            findChild(scene, "upItem").btnClicked(0)
            tryVerify(() => findChild(scene, "rulesOpen") !== null, 5000, "the settings controls are built")
            tryCompare(findChild(scene, "_fkGlobalsetting"), "contentX", 0)
            const entry = findChild(scene, "rulesOpen")
            mouseClick(entry)
            tryCompare(panel(), "visible", true)
            return panel()
        }

        function click(name, parentItem) {
            const item = findChild(parentItem || panel(), name)
            verify(item, name)
            mouseClick(item)
        }

        // The profile chosen with the arrows, then the id typed and Enter.
        function addByTyping(application, profile) {
            for (let i = 0; i < 6 && panel().newProfile !== profile; ++i)
                click("nextProfile", findChild(panel(), "newChooser"))
            compare(panel().newProfile, profile)
            mouseClick(findChild(panel(), "appField"))
            for (let i = 0; i < application.length; ++i)
                keyClick(application[i])
            keyClick(Qt.Key_Return)
        }

        function test_rulesAreWrittenAsTheyAreEdited() {
            const rules = openPanel()
            verify(findChild(rules, "rulesStatus").text.indexOf("background service does not run") >= 0)
            addByTyping("steam", 3)
            addByTyping("code", 1)
            compare(rules.rules, [{ "application": "steam", "profile": 3 },
                                  { "application": "code", "profile": 1 }])
            compare(z9.rulesFile(), "[focus]\nenabled=true\ndefault=0\nrule/0=steam, 3\nrule/1=code, 1\n")

            // The second rule first, then the first removed; the default to profile 6 (one step
            // back from "leave"); following off.
            const list = findChild(rules, "ruleList")
            click("ruleUp", list.itemAtIndex(1))
            click("ruleRemove", list.itemAtIndex(1))
            click("previousProfile", findChild(rules, "defaultChooser"))
            click("followSwitch")
            compare(z9.rulesFile(), "[focus]\nenabled=false\ndefault=6\nrule/0=code, 1\n")

            // The same application again changes its rule where it stands.
            addByTyping("CODE", 5)
            compare(z9.rulesFile(), "[focus]\nenabled=false\ndefault=6\nrule/0=code, 5\n")

            keyClick(Qt.Key_Escape)
            compare(rules.visible, false)
        }

        function isWithin(item, ancestor) {
            for (let it = item; it; it = it.parent)
                if (it === ancestor)
                    return true
            return false
        }

        // The id typed, Tab to the profile, the arrows to P03, Tab to ADD, Space: a rule. Tab
        // never leaves the open panel; Esc closes it.
        function test_theKeyboardAloneAddsARule() {
            const rules = openPanel()
            const box = findChild(rules, "rulesBox")
            verify(findChild(rules, "appField").activeFocus, "the id field has the focus at first")
            for (const c of "steam")
                keyClick(c)
            keyClick(Qt.Key_Tab)
            verify(isWithin(rules.Window.activeFocusItem, findChild(rules, "newChooser")))
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Right)
            compare(rules.newProfile, 3)
            keyClick(Qt.Key_Tab)
            verify(isWithin(rules.Window.activeFocusItem, findChild(rules, "addRule")))
            keyClick(Qt.Key_Space)
            compare(z9.rulesFile(), "[focus]\nenabled=true\ndefault=0\nrule/0=steam, 3\n")
            // ADD goes out of reach with the id gone; the focus moves on to the next control.
            tryVerify(() => isWithin(rules.Window.activeFocusItem, box))
            for (let i = 0; i < 20; ++i) {
                keyClick(Qt.Key_Tab)
                verify(isWithin(rules.Window.activeFocusItem, box), "Tab stays within the panel")
            }
            keyClick(Qt.Key_Escape)
            compare(rules.visible, false)
        }

        function test_aDamagedFileIsToldAndNotLost() {
            verify(z9.writeRulesFile("[focus]\nrule/0=steam\n"))
            const rules = openPanel()
            compare(rules.rules, [])
            verify(findChild(rules, "rulesNotice").visible)
            compare(z9.rulesFile(), "[focus]\nrule/0=steam\n", "opening the panel writes nothing")
            click("closeRules")
            compare(rules.visible, false)
        }
    }
}
