"""What the screen reader suites share: korvane-demo started from a private copy of a build, its
wire read from its log, the shipped language texts, and waiting for a condition."""

import configparser
import os
import re
import shutil
import subprocess
import tempfile
import time

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
