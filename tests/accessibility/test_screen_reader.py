#!/usr/bin/python3
"""The tool as a screen reader sees it: korvane-demo on a private accessibility bus, its tree walked
through AT-SPI in English and in Chinese, down from the application and up from every control, and
each page's apply button found by its name and pressed through its accessibility action, with the
virtual keyboard's wire read from the log.

Usage (inside a private X server and D-Bus session, see run-suite): test_screen_reader.py BIN_DIR
"""

import os
import subprocess
import sys
import unittest

import pyatspi

from korvane_a11y import WINDOW_TITLE, AtspiDriver, Tool, action_names, language_texts, wait_for, walk

BIN_DIR = sys.argv.pop(1)

# Roles of the controls a user acts on, and of the groups that hold them. The view that holds the
# whole scene and takes the keys for it is a filler below the window.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU_BAR,
    pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_LINK, pyatspi.ROLE_PANEL, pyatspi.ROLE_STATUS_BAR,
    pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILLER,
}


def is_interactive(node):
    names = action_names(node)
    return node.getState().contains(pyatspi.STATE_FOCUSABLE) or any(n != "SetFocus" for n in names)


class ScreenReaderTest(AtspiDriver, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        ready = wait_for(lambda: subprocess.run(
            ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0)
        assert ready, "the accessibility bus did not start"
        cls.addClassCleanup(cls.bus.wait, 10)
        cls.addClassCleanup(cls.bus.terminate)
        cls.tool = Tool(BIN_DIR, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        cls.addClassCleanup(cls.tool.stop)
        cls.app = wait_for(cls.find_app, seconds=60)
        assert cls.app, "the tool did not appear on the accessibility bus"
        cls.app.set_cache_mask(0)
        # The opening animation ends with the function menu and the first page in place.
        assert wait_for(lambda: cls.shown_named("KEYBOARD KEYS"), seconds=60), "the key page did not show"

    # --- the tree ---

    def check_tree(self, expected):
        nodes = self.shown()
        window = [n for n in nodes if n.getRole() == pyatspi.ROLE_FRAME]
        self.assertEqual([w.name for w in window], [WINDOW_TITLE])
        self.assertLinkedBothWays()
        interactive = [n for n in nodes if is_interactive(n)]
        self.assertGreater(len(interactive), 100, "the controls and the picture's keys are there")
        for node in interactive:
            with self.subTest(role=node.getRoleName(), name=node.name, path=self.path(node)):
                self.assertNotEqual(node.name.strip(), "")
                self.assertIn(node.getRole(), CONTROL_ROLES)
                if node.getRole() == pyatspi.ROLE_FILLER:
                    self.assertEqual(node.parent.getRole(), pyatspi.ROLE_FRAME, "only the scene's view")
        for name, role in expected:
            with self.subTest(expected=name):
                self.assertTrue(self.shown_named(name, role), f"a {role} named {name!r}")

    def assertLinkedBothWays(self):
        """Each accessible names its parent, and the parent lists it at the index it reports: a
        screen reader walks up from the focused control and takes one with a broken link for a
        dead object. Hidden pages and panels count too: they show without a new walk."""
        broken = []
        self.app.clear_cache()
        for parent in walk(self.app):
            for i in range(parent.childCount):
                child = parent.getChildAtIndex(i)
                if child is None:
                    broken.append(f"child {i} of {self.path(parent)} is missing")
                    continue
                if child.parent != parent or child.getIndexInParent() != i:
                    broken.append(f"{self.path(child)} (child {i} of {parent.getRoleName()}) says it is "
                                  f"child {child.getIndexInParent()} of {self.describe(child.parent)}")
        self.assertEqual(broken, [])

    @staticmethod
    def describe(node):
        return "nothing" if node is None else f"{node.getRoleName()}:{node.name}"

    def assertStatus(self, prefix):
        """The connection state, as the bottom bar shows it, with the firmware version."""
        bars = [n for n in self.shown() if n.getRole() == pyatspi.ROLE_STATUS_BAR]
        self.assertEqual(len(bars), 1)
        self.assertTrue(bars[0].name.startswith(prefix), bars[0].name)
        self.assertRegex(bars[0].name[len(prefix):], r"[0-9]")

    @staticmethod
    def path(node):
        steps = []
        while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
            steps.append(ScreenReaderTest.describe(node))
            node = node.parent
        return " < ".join(steps)

    def test_1_everyControlHasANameAndARoleInEnglish(self):
        self.check_tree([
            ("SETTINGS", pyatspi.ROLE_PUSH_BUTTON), ("CLOSE", pyatspi.ROLE_PUSH_BUTTON),
            ("USER MANUAL", pyatspi.ROLE_LINK), ("KEY", pyatspi.ROLE_RADIO_BUTTON),
            ("BACKLIGHTING", pyatspi.ROLE_RADIO_BUTTON), ("PROFILE P01", pyatspi.ROLE_RADIO_BUTTON),
            ("PROFILE P06", pyatspi.ROLE_RADIO_BUTTON), ("GAMING MODE", pyatspi.ROLE_CHECK_BOX),
            ("KEYBOARD KEYS", pyatspi.ROLE_LIST),
            ("Caps", pyatspi.ROLE_LIST_ITEM), ("Esc", pyatspi.ROLE_LIST_ITEM),
        ])
        self.assertStatus("KEYBOARD CONNECTED: FIRMWARE ")

    # --- each page's apply, pressed by the reader ---

    def test_2_keyApplyIsPressedByName(self):
        before = len(self.tool.frames())
        self.act(self.only("GAMING MODE", pyatspi.ROLE_CHECK_BOX), "Toggle")
        self.assertTrue(wait_for(lambda: self.tool.new_frames(before, "09")))
        self.act(self.only("APPLY", pyatspi.ROLE_PUSH_BUTTON))
        sent = wait_for(lambda: self.tool.new_frames(before, "0D"))
        self.assertEqual(len(sent), 1)
        self.assertTrue(sent[0].startswith("00 0D"))

    def test_3_lightingApplyIsPressedByName(self):
        self.act(self.only("COLOR", pyatspi.ROLE_RADIO_BUTTON))
        self.choose("OPTIONS", "EFFECTS")
        self.choose("EFFECTS", "WAVE")
        before = len(self.tool.frames())
        self.act(self.only("APPLY", pyatspi.ROLE_PUSH_BUTTON))
        sent = wait_for(lambda: len(self.tool.new_frames(before, "08")) == 2 and self.tool.new_frames(before, "08"))
        self.assertTrue(sent, "lights off, then the effect")
        self.assertEqual(sent[0].split()[:3], ["00", "08", "01"])
        self.assertEqual(sent[1].split()[:4], ["00", "08", "02", "03"], "WAVE is effect 3")
        self.assertEqual(len(self.tool.new_frames(before, "14")), 7, "the palette")

    def test_4_backLightingApplyIsPressedByName(self):
        self.act(self.only("BACKLIGHTING", pyatspi.ROLE_RADIO_BUTTON))
        before = len(self.tool.frames())
        self.act(self.only("APPLY", pyatspi.ROLE_PUSH_BUTTON))
        sent = wait_for(lambda: self.tool.new_frames(before, "15"))
        self.assertEqual(len(sent), 1)

    def test_5_settingsApplyIsPressedByName(self):
        settings = self.only("SETTINGS", pyatspi.ROLE_PUSH_BUTTON)
        self.act(settings)
        before = len(self.tool.frames())
        self.act(self.only("APPLY", pyatspi.ROLE_PUSH_BUTTON))
        self.assertTrue(wait_for(lambda: os.path.exists(self.tool.config_file())), "stored")
        self.assertTrue(wait_for(lambda: not settings.getState().contains(pyatspi.STATE_CHECKED)),
                        "the panel closed")
        self.assertEqual(self.tool.frames()[before:], [], "the tool's own settings stay off the wire")

    # --- Chinese ---

    def test_6_everyControlHasANameAndARoleInChinese(self):
        self.act(self.only("SETTINGS", pyatspi.ROLE_PUSH_BUTTON))
        self.choose("LANGUAGE", "CHINESE (CN)")
        strings, scene = language_texts(BIN_DIR, "025044")
        self.assertTrue(wait_for(lambda: self.shown_named(strings[29], pyatspi.ROLE_COMBO_BOX)),
                        "the language list is named in Chinese")
        self.act(self.only(scene["settings"], pyatspi.ROLE_PUSH_BUTTON))
        self.act(self.only(strings[74], pyatspi.ROLE_RADIO_BUTTON))
        self.assertTrue(wait_for(lambda: self.shown_named(scene["keys"], pyatspi.ROLE_LIST)))
        self.check_tree([
            (scene["settings"], pyatspi.ROLE_PUSH_BUTTON), (scene["close"], pyatspi.ROLE_PUSH_BUTTON),
            (strings[74], pyatspi.ROLE_RADIO_BUTTON), (strings[86], pyatspi.ROLE_RADIO_BUTTON),
            (scene["profile"] + " P01", pyatspi.ROLE_RADIO_BUTTON),
            (strings[79], pyatspi.ROLE_CHECK_BOX), (scene["apply"], pyatspi.ROLE_PUSH_BUTTON),
            (strings[77], pyatspi.ROLE_PUSH_BUTTON), (strings[1], pyatspi.ROLE_COMBO_BOX),
            (scene["keys"], pyatspi.ROLE_LIST),
        ])
        self.assertStatus(scene["connected"] + " ")
        names = {n.name for n in self.shown() if is_interactive(n)}
        self.assertNotIn("APPLY", names)
        self.assertNotIn("SETTINGS", names)


if __name__ == "__main__":
    unittest.main(verbosity=2)
