#!/usr/bin/python3
"""The tool read aloud by Orca: korvane-demo with Orca running over speech-dispatcher's dummy
output, walked from its first control with Tab as a user does by ear. Orca's debug log records
each sentence it speaks; every stop of the walk must speak its control's name and role, the
stops that matter are checked against the sentences expected, in reading order, in English and in
Chinese, and Space on GAMING MODE is spoken as checked while the wire carries the switch.

Usage (inside a private home, X server and D-Bus session, see run-orca-suite): test_orca.py BIN_DIR
Exits with 77 (skipped) when speech-dispatcher or Orca cannot start here.
"""

import os
import re
import shutil
import subprocess
import sys
import unittest

import pyatspi

from korvane_a11y import WINDOW_TITLE, AtspiDriver, Tool, language_texts, wait_for

BIN_DIR = sys.argv.pop(1)
SKIPPED = 77
# Generous: the tool is an AddressSanitizer build on a shared machine.
START_SECONDS = 90
STEP_SECONDS = 30

SPEECHD_CONF = """AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
"""
# The dummy output module needs a sound device to open, even one that plays nowhere.
ASOUNDRC = "pcm.!default { type null }\n"
# Orca writes its debug log in blocks unless told otherwise.
ORCA_CUSTOMIZATIONS = "import orca.debug\norca.debug.debugFile.reconfigure(line_buffering=True)\n"

# A line of the log: "12:00:00.000000 - SPEECH OUTPUT: 'text'" and maybe the voice used.
SPEECH = re.compile(r" - SPEECH OUTPUT: '(.*?)'(\{.*\})?\s*$")
# Orca names an object as [role | name].
FOCUS_CHANGE = re.compile(r"ORCA: Changing locusOfFocus from .* to \[(.*) \| (.*)\]\. Notify: True")
EVENT_DONE = "^^^^^ PROCESS OBJECT EVENT"


# The stops that matter, as Orca reads them in English: (role, control, sentence), in reading
# order. The list of keys reads the key that the arrow keys walk from.
EXPECTED_EN = [
    ("push button", "SETTINGS", "SETTINGS push button."),
    ("radio button", "KEY", "FUNCTIONS. list. KEY. selected radio button"),
    ("radio button", "BACKLIGHTING", "BACKLIGHTING. not selected radio button"),
    ("list", "KEYBOARD KEYS", "KEYBOARD KEYS. list. Esc."),
    ("check box", "GAMING MODE", "GAMING MODE check box not checked."),
    ("radio button", "PROFILE P01", "PROFILES. list. PROFILE P01. selected radio button"),
    ("status bar", "KEYBOARD CONNECTED: FIRMWARE 1.05", "KEYBOARD CONNECTED: FIRMWARE 1.05 statusbar."),
]


class CannotStart(Exception):
    pass


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


class Orca:
    """speech-dispatcher with its dummy output and Orca over it, in the private home."""

    def __init__(self, home):
        write(os.path.join(home, ".asoundrc"), ASOUNDRC)
        write(os.path.join(home, ".config", "speech-dispatcher", "speechd.conf"), SPEECHD_CONF)
        write(os.path.join(home, ".local", "share", "orca", "orca-customizations.py"), ORCA_CUSTOMIZATIONS)
        self.log_path = os.path.join(home, "orca.log")
        # What the two programs print themselves, shown when they do not start.
        self.output = open(os.path.join(home, "output.log"), "w")
        self.processes = []
        try:
            self.start_both()
        except CannotStart:
            self.stop()
            raise

    def start_both(self):
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        self.start(["speech-dispatcher", "--run-single", "--timeout", "0"])
        if not wait_for(lambda: os.path.exists(socket) or self.ended(), seconds=START_SECONDS) \
                or self.ended():
            raise CannotStart("speech-dispatcher did not open its socket")
        self.start(["orca", "--replace", "--debug-file", self.log_path])
        if not wait_for(lambda: "Screen reader on." in self.speech() or self.ended(), START_SECONDS) \
                or self.ended():
            raise CannotStart("Orca did not say 'Screen reader on.'; its log ends:\n"
                              + "".join(self.lines()[-20:]))

    def start(self, command):
        if not shutil.which(command[0]):
            raise CannotStart(f"{command[0]} is not installed")
        self.processes.append(subprocess.Popen(command, stdout=self.output, stderr=subprocess.STDOUT))

    def ended(self):
        return any(p.poll() is not None for p in self.processes)

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(20)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.output.close()

    def lines(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                return log.readlines()
        except FileNotFoundError:
            return []

    def speech(self, since=0):
        return [m.group(1) for m in map(SPEECH.search, self.lines()[since:]) if m]

    def focus_spoken(self, since):
        """After line `since`: the control Orca moved its focus to, as (role, name), and the
        sentence it spoke for it, once it has handled that event; else None."""
        lines = self.lines()[since:]
        for at, line in enumerate(lines):
            change = FOCUS_CHANGE.search(line)
            if not change:
                continue
            done = next((i for i in range(at + 1, len(lines)) if EVENT_DONE in lines[i]), None)
            if done is None:
                return None
            spoken = [m.group(1) for m in map(SPEECH.search, lines[at:done]) if m]
            return (change.group(1), change.group(2), " ".join(spoken))
        return None

    def problems(self, since):
        return [line.strip() for line in self.lines()[since:] if "zombie" in line or "ERROR" in line]


def key(window, name):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", name], check=True)


class OrcaTest(AtspiDriver, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.orca = ORCA
        cls.tool = Tool(BIN_DIR)
        cls.addClassCleanup(cls.tool.stop)
        cls.window = wait_for(cls.find_window, seconds=START_SECONDS)
        assert cls.window, "the tool's window did not appear"
        cls.app = wait_for(cls.find_app, seconds=START_SECONDS)
        assert cls.app, "the tool did not appear on the accessibility bus"
        cls.app.set_cache_mask(0)
        # The opening animation ends with the function menu and the first page in place.
        assert wait_for(lambda: cls.shown_named("KEYBOARD KEYS"), START_SECONDS), "the key page did not show"
        since = len(cls.orca.lines())
        subprocess.run(["xdotool", "windowfocus", "--sync", cls.window], check=True)
        assert wait_for(lambda: any(WINDOW_TITLE in s for s in cls.orca.speech(since)), STEP_SECONDS), \
            "Orca did not announce the window"

    @staticmethod
    def find_window():
        found = subprocess.run(["xdotool", "search", "--name", WINDOW_TITLE], capture_output=True,
                               text=True).stdout.split()
        return found[0] if found else None

    def press(self, name):
        """Presses a key in the window; what Orca then said for the control that took the focus."""
        since = len(self.orca.lines())
        key(self.window, name)
        stop = wait_for(lambda: self.orca.focus_spoken(since), STEP_SECONDS)
        self.assertTrue(stop, f"Orca read no control after {name}: "
                              f"{self.orca.speech(since)} {self.orca.problems(since)}")
        return stop

    def said_after(self, name, expected):
        """Presses a key and waits for a sentence; the sentences Orca spoke meanwhile."""
        since = len(self.orca.lines())
        key(self.window, name)
        wait_for(lambda: any(expected in s for s in self.orca.speech(since)), STEP_SECONDS)
        return self.orca.speech(since)

    def walk(self):
        """Tab from the first control around to it again: each stop as (role, name, sentence)."""
        stops = [self.press("Tab")]
        while len(stops) < 100:
            stop = self.press("Tab")
            if stop[:2] == stops[0][:2]:
                return stops
            stops.append(stop)
        self.fail("Tab did not come round to the first control")

    def tab_to(self, name, role):
        """Tab until the control of that name and role holds the focus."""
        passed = []
        for _ in range(60):
            passed.append(self.press("Tab")[:2])
            if passed[-1] == (role, name):
                return
        self.fail(f"Tab did not reach the {role} {name}, only {passed}")

    def assertReadInOrder(self, stops, expected):
        """Each expected (role, control, sentence) is a stop spoken so, and in this order."""
        print("\n" + "\n".join(" | ".join(stop) for stop in stops))
        # Tab goes round: read from the first expected stop on.
        first = next((i for i, stop in enumerate(stops) if stop[:2] == expected[0][:2]), 0)
        stops = stops[first:] + stops[:first]
        spoken = [stop for stop in stops if stop[:2] in {e[:2] for e in expected}]
        self.assertEqual(spoken, expected)

    def assertEveryStopSpeaksItsNameAndRole(self, stops):
        for role, name, sentence in stops:
            with self.subTest(stop=name):
                self.assertNotEqual(name.strip(), "")
                self.assertIn(name, sentence)
                # Orca says "statusbar" for the role that AT-SPI calls "status bar".
                self.assertIn(role.replace(" ", ""), sentence.replace(" ", ""))

    def test_1_tabReadsEveryControlWithItsNameAndRoleInReadingOrder(self):
        stops = self.walk()
        self.assertEveryStopSpeaksItsNameAndRole(stops)
        self.assertReadInOrder(stops, EXPECTED_EN)

    def test_2_spaceOnGamingModeIsSpokenAsCheckedAndSwitchesTheKeyboard(self):
        self.tab_to("GAMING MODE", "check box")
        before = len(self.tool.frames())
        spoken = self.said_after("space", "checked")
        self.assertIn("checked", spoken)
        sent = wait_for(lambda: self.tool.new_frames(before, "09"), STEP_SECONDS)
        self.assertEqual([f.split()[1:3] for f in sent], [["09", "01"]])

    def test_3_theStopsReadInChinese(self):
        strings, scene = language_texts(BIN_DIR, "025044")
        self.act(self.only("SETTINGS", pyatspi.ROLE_PUSH_BUTTON))
        self.choose("LANGUAGE", "CHINESE (CN)")
        self.assertTrue(wait_for(lambda: self.shown_named(strings[29], pyatspi.ROLE_COMBO_BOX)),
                        "the language list is named in Chinese")
        self.act(self.only(scene["settings"], pyatspi.ROLE_PUSH_BUTTON))
        self.assertTrue(wait_for(lambda: self.shown_named(scene["keys"], pyatspi.ROLE_LIST)))
        stops = self.walk()
        self.assertEveryStopSpeaksItsNameAndRole(stops)
        connected = f"{scene['connected']} 1.05"
        self.assertReadInOrder(stops, [
            ("push button", scene["settings"], f"{scene['settings']} push button."),
            ("radio button", strings[74], f"{scene['functions']}. list. {strings[74]}. selected radio button"),
            ("push button", scene["apply"], f"{scene['apply']} push button."),
            ("list", scene["keys"], f"{scene['keys']}. list. Esc."),
            ("check box", strings[79], f"{strings[79]} check box checked."),
            ("status bar", connected, f"{connected} statusbar."),
        ])


if __name__ == "__main__":
    try:
        ORCA = Orca(os.environ["HOME"])
    except CannotStart as error:
        print(f"skipped: {error}")
        sys.exit(SKIPPED)
    try:
        unittest.main(verbosity=2)
    finally:
        ORCA.stop()
