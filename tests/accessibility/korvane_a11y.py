"""What the screen reader suites share: korvane-demo started from a private copy of a build, its
wire read from its log, the shipped language texts, waiting for a condition, and finding and acting
on its controls over AT-SPI."""

import configparser
import os
import re
import shutil
import subprocess
import tempfile
import time

import pyatspi

WINDOW_TITLE = "Korvane Keyboard 1.0"


def wait_for(condition, seconds=20.0, step=0.05):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(step)
    return condition()


def language_texts(bin_dir, code):
    """The strings and scene texts of a shipped language file, as the tool reads them."""
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    parser.read(os.path.join(bin_dir, "modules", "i18n", f"lang_{code}.ini"), encoding="utf-8")
    strings = {int(k): v.strip('"') for k, v in parser["strings"].items()}
    return strings, dict(parser["scene"])


class Tool:
    """korvane-demo started from a private copy of the build's program and data, logging the
    virtual keyboard's wire."""

    def __init__(self, bin_dir, **environment):
        self.dir = tempfile.mkdtemp(prefix="korvane-a11y-")
        shutil.copytree(os.path.join(bin_dir, "modules"), os.path.join(self.dir, "modules"))
        shutil.copy(os.path.join(bin_dir, "korvane-demo"), self.dir)
        runtime = os.path.join(self.dir, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime, QT_QUICK_BACKEND="software",
                   QT_LOGGING_RULES="korvane.virtualkeyboard.debug=true",
                   QT_MESSAGE_PATTERN="%{category}: %{message}", ASAN_OPTIONS="detect_leaks=0")
        env.update(environment)
        self.log_path = os.path.join(self.dir, "tool.log")
        self.log = open(self.log_path, "w")
        self.process = subprocess.Popen([os.path.join(self.dir, "korvane-demo")], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.log.close()
        shutil.rmtree(self.dir, ignore_errors=True)

    def frames(self):
        """The command frames the host sent to the virtual keyboard, in hex, in wire order."""
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return re.findall(r"korvane\.virtualkeyboard: feature out: ([0-9A-F ]+)", log.read())

    def new_frames(self, before, code):
        """The frames with this command code sent since `before` frames had been."""
        return [f for f in self.frames()[before:] if f.split()[1] == code]

    def config_file(self):
        return os.path.join(self.dir, "modules", "setting", "apConfig.bin")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def is_shown(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_VISIBLE) and states.contains(pyatspi.STATE_SHOWING)


def action_names(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


class AtspiDriver:
    """Finds the tool's controls over AT-SPI and acts on them as a screen reader does; mixed into a
    test case whose class holds the tool's application as `app`."""

    @staticmethod
    def find_app():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None:
                continue
            for j in range(app.childCount):
                window = app.getChildAtIndex(j)
                if window is not None and window.name == WINDOW_TITLE:
                    return app
        return None

    @classmethod
    def shown(cls):
        cls.app.clear_cache()
        return [node for node in walk(cls.app) if is_shown(node)]

    @classmethod
    def shown_named(cls, name, role=None):
        return [node for node in cls.shown()
                if node.name == name and (role is None or node.getRole() == role)]

    def only(self, name, role):
        """The one control of that name and role that is shown and can be used now."""
        def usable():
            return [n for n in self.shown_named(name, role) if n.getState().contains(pyatspi.STATE_ENABLED)]
        found = wait_for(usable, seconds=10)
        self.assertEqual(len(found), 1, f"one usable {role} named {name!r}")
        return found[0]

    def act(self, node, action="Press"):
        names = action_names(node)
        self.assertIn(action, names, f"{node.name!r} offers {action}")
        node.queryAction().doAction(names.index(action))

    def open_list(self, name):
        """Opens a drop-down as a screen reader user does: focus from the reader, then Enter."""
        box = self.only(name, pyatspi.ROLE_COMBO_BOX)
        box.queryComponent().grabFocus()
        self.assertTrue(wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED)))
        window = subprocess.run(["xdotool", "search", "--name", WINDOW_TITLE], capture_output=True,
                                text=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "Return"], check=True)

    def choose(self, list_name, entry):
        self.open_list(list_name)
        self.act(self.only(entry, pyatspi.ROLE_MENU_ITEM))
