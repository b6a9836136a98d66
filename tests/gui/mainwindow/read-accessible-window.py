"""Reads the main window over AT-SPI as a screen reader does, presses the stepper's forward
arrow through its accessible action and reads the window again. Exit status 0 when all is found."""
import sys
import time

import pyatspi
from gi.repository import GLib

# 1 January 2000 with the birth date 20 November 1953 is day 16843, cycle days 7, 15 and 13
# (phases 3, 7, 17); a day later 8, 16 and 14 (phases 3, 11, 17). Percentages by hand; texts
# by their opening words.
SHOWN = ("Samstag, 01.01.2000", 16843,
         ["Physisch 94 %", "Seelisch -22 %", "Geistig 62 %"],
         ["Ihr körperlicher Zustand ist gut", "Vorsicht kritischer Tag ! Ihre Stimmung",
          "Sie können weiterhin auf Ihre geistiges"])
STEPPED = ("Sonntag, 02.01.2000", 16844,
           ["Physisch 82 %", "Seelisch -43 %", "Geistig 46 %"],
           [SHOWN[3][0], "Unsicherheit ,  Lustlosigkeit", SHOWN[3][2]])
TEXT_TIPS = [f"{c} Zustand zum berechneten Tag" for c in ("Physischer", "Seelischer", "Geistiger")]
CURVES = [f"{c} Kurve" for c in ("Physische", "Seelische", "Geistige")]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(root, test):
    return [n for n in walk(root) if test(n)]


def read(root, expected):
    day, count, percentages, texts = expected
    shown = find(root, lambda n: n.description == "Prozentanzeige zum berechneten Tag")
    check(sorted(n.name for n in shown) == sorted(percentages), f"percentages {percentages}")
    for tip, start, curve in zip(TEXT_TIPS, texts, CURVES):
        labels = find(root, lambda n: n.description == tip)
        check(len(labels) == 1 and labels[0].name.startswith(start), f"{tip}: '{start}'")
        for label in labels:
            by = [r.getTarget(0).name for r in label.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
            check(by == [curve], f"{tip}: labelled by {by}")
    # The chart, the day strip and the day stepper hold the day in words as their text, which a
    # screen reader speaks when their value, the day count, changes.
    for title in ("Biorhythmus-Kurven", "Tage des Monats", "Tag zurück oder vor"):
        surfaces = find(root, lambda n: n.name == title)
        check(len(surfaces) == 1, f"'{title}'")
        for surface in surfaces:
            check(surface.getRoleName() == "spin button", f"{title}: role {surface.getRoleName()}")
            check(surface.queryValue().currentValue == count, f"{title}: value {count}")
            text = surface.queryText().getText(0, -1)
            for part in [day] + percentages:
                check(part in text, f"{title}: '{part}' in its text '{text}'")
    # A date field's value is its Julian day: 2451545 is 1 January 2000.
    julian = 2451545 + count - 16843
    dates = find(root, lambda n: n.name == "Anzeige-Datum" and n.getRoleName() == "spin button")
    check([n.queryValue().currentValue for n in dates] == [julian], f"display date {julian}")


def step_and_listen(root):
    """Presses the forward arrow and collects the name changes announced on the bus."""
    changed = []
    pyatspi.Registry.registerEventListener(lambda event: changed.append(event.source.name),
                                           "object:property-change:accessible-name")
    forward = find(root, lambda n: n.name == "Einen Tag vor")
    check(len(forward) == 1, "the stepper's forward arrow")
    forward[0].queryAction().doAction(0)
    GLib.timeout_add(3000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return changed


def main():
    app = None
    for _ in range(150):
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Biorhythmus"),
                   None)
        if app:
            break
        time.sleep(0.2)
    if app is None:
        print("the program did not appear on the accessibility bus")
        return 1
    windows = [(w.name, w.getRoleName()) for w in app if w is not None]
    check(("Biorhythmus", "frame") in windows, f"the main window as a frame: {windows}")
    read(app, SHOWN)
    changed = step_and_listen(app)
    for name in STEPPED[2] + [STEPPED[3][1]]:
        check(any(c.startswith(name) for c in changed), f"no name change announced for '{name}'")
    read(app, STEPPED)
    print(f"{len(changed)} name changes announced; {len(failures)} failures")
    return 1 if failures else 0


sys.exit(main())
