#!/usr/bin/env python3
"""Splits the instruction counts of start-up profiles (callgrind, dumped at the first visible frame)
by phase. Usage: phases.py DIR NAME... reads DIR/NAME.txt, made by
`callgrind_annotate --inclusive=yes`, and prints millions of instructions per phase and program.

A phase is the inclusive count of the functions that start it; the phases nest where noted, so
they do not add up to the total. The first program is the one the others are compared with."""
import re
import sys

# (phase, functions whose inclusive counts add up to it). Function names as callgrind_annotate
# prints them, up to the opening parenthesis.
PHASES = [
    ("total to the first visible frame", ["PROGRAM TOTALS"]),
    ("process and libraries: ld.so at exec (mapping, relocation)", ["_dl_start"]),
    ("  libraries and plugins opened later (dlopen)", ["dlopen@@GLIBC_2.34"]),
    ("application and window system (QApplication)", ["QApplication::QApplication"]),
    ("QML engine", ["QQmlEngine::QQmlEngine"]),
    ("QML type registration and documents (loader thread)",
     ["QQmlTypeLoader::loadThread", "QQmlTypeLoader::loadWithCachedUnitThread"]),
    ("  of which Qt Quick's own types", ["qml_register_types_QtQuick"]),
    ("object creation (the root document and all it builds)", ["QQuickWidget::continueExecute"]),
    ("  of which text layout", ["QQuickText::componentComplete"]),
    ("  of which pictures read", ["QQuickImageBase::load"]),
    ("fonts: fontconfig set-up", ["FcInitLoadConfigAndFonts"]),
    ("fonts: finding each font", ["QFontDatabasePrivate::findFont"]),
    ("start-up calls into the scene (initUI, opening)", ["QMetaCallEvent::placeMetaCall"]),
    ("first layout and render", ["QQuickRenderControl::polishItems", "QQuickRenderControl::sync",
                                 "QQuickRenderControl::render", "QQuickWidget::paintEvent"]),
]

LINE = re.compile(r"^\s*([\d,]+)\s+\([^)]*\)\s+(?:\S*?:)?(.*?)(?: \[.*\])?$")


def inclusive_counts(path):
    counts = {}
    for line in open(path, encoding="utf-8", errors="replace"):
        match = LINE.match(line)
        if not match:
            continue
        count = int(match.group(1).replace(",", ""))
        name = match.group(2).strip()
        if name.startswith("PROGRAM TOTALS"):
            counts["PROGRAM TOTALS"] = count
            continue
        # The outermost call of a recursive function carries no "'2" suffix and holds the others.
        base = name.split("(")[0]
        if "'" in base:
            continue
        counts[base] = max(counts.get(base, 0), count)
    return counts


def main():
    folder, names = sys.argv[1], sys.argv[2:]
    profiles = [inclusive_counts(f"{folder}/{name}.txt") for name in names]
    width = max(len(label) for label, _ in PHASES)
    print(f"{'millions of instructions':{width}} " + " ".join(f"{n:>9}" for n in names))
    for label, functions in PHASES:
        values = [sum(p.get(f, 0) for f in functions) / 1e6 for p in profiles]
        print(f"{label:{width}} " + " ".join(f"{v:9.1f}" for v in values))
    base = profiles[0]["PROGRAM TOTALS"]
    print(f"{'ratio of the total to ' + names[0]:{width}} "
          + " ".join(f"{p['PROGRAM TOTALS'] / base:9.2f}" for p in profiles))


if __name__ == "__main__":
    main()
