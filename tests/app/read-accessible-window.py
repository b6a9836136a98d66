"""Reads the main window over AT-SPI as a screen reader does, steps one day through the
stepper's accessible action and reads it again. Exit status 0 when everything was found."""
import sys
import time

import pyatspi
from gi.repository import GLib

# The window starts on 1 January 2000 with the birth date 20 November 1953: day 16843, in
# cycle days 7, 15 and 13; one day later 8, 16 and 14. Percentages computed by hand.
SHOWN = {
    "date": "Samstag, 01.01.2000",
    "count": "Tag 16843 seit der Geburt",
    "percentages": ["Physisch 94 %", "Seelisch -22 %", "Geistig 62 %"],
    # opening words of the texts for phases 3, 7 and 17
    "texts": ["Ihr körperlicher Zustand ist gut", "Vorsicht kritischer Tag ! Ihre Stimmung",
              "Sie können weiterhin auf Ihre geistiges"],
}
STEPPED = {
    "date": "Sonntag, 02.01.2000",
    "count": "Tag 16844 seit der Geburt",
    "percentages": ["Physisch 82 %", "Seelisch -43 %", "Geistig 46 %"],
    # phases 3, 11 and 17: the emotional text changes
    "texts": ["Ihr körperlicher Zustand ist gut", "Unsicherheit ,  Lustlosigkeit",
              "Sie können weiterhin auf Ihre geistiges"],
}
PERCENT_TIP = "Prozentanzeige zum berechneten Tag"
TEXT_TIPS = ["Physischer Zustand zum berechneten Tag", "Seelischer Zustand zum berechneten Tag",
             "Geistiger Zustand zum berechneten Tag"]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def find_application(name, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def by_description(root, description):
    return [n for n in walk(root) if n.description == description]


def by_name_start(root, start):
    return [n for n in walk(root) if n.name.startswith(start)]


def read(root, expected):
    percentages = sorted(n.name for n in by_description(root, PERCENT_TIP))
    check(percentages == sorted(expected["percentages"]),
          f"percentages {percentages} != {expected['percentages']}")
    for tip, start in zip(TEXT_TIPS, expected["texts"]):
        labels = by_description(root, tip)
        check(len(labels) == 1 and labels[0].name.startswith(start),
              f"text '{tip}': {[n.name[:50] for n in labels]} does not start with '{start}'")
    for title in ("Biorhythmus-Kurven", "Tage des Monats"):
        surfaces = by_name_start(root, title + ", ")
        check(len(surfaces) == 1, f"{title}: found {len(surfaces)}")
        for surface in surfaces:
            check(surface.getRoleName() == "chart", f"{title}: role {surface.getRoleName()}")
            check(surface.name == f"{title}, {expected['date']}", f"name '{surface.name}'")
            for part in [expected["count"]] + expected["percentages"]:
                check(part in surface.description,
                      f"{title}: '{part}' missing in '{surface.description}'")


def step_and_listen(root):
    """Presses the stepper's forward arrow and collects the name changes it announces."""
    changed = []
    pyatspi.Registry.registerEventListener(
        lambda event: changed.append(event.source.name),
        "object:property-change:accessible-name")
    forward = by_name_start(root, "Einen Tag vor")
    check(len(forward) == 1, "the stepper's forward arrow")
    forward[0].queryAction().doAction(0)
    GLib.timeout_add(3000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return changed


def main():
    app = find_application("Biorhythmus")
    if app is None:
        print("the program did not appear on the accessibility bus")
        return 1
    read(app, SHOWN)
    changed = step_and_listen(app)
    for name in STEPPED["percentages"] + [STEPPED["texts"][1]]:
        check(any(c.startswith(name) for c in changed), f"no name change announced for '{name}'")
    read(app, STEPPED)
    print(f"{len(changed)} name changes announced; {len(failures)} failures")
    return 1 if failures else 0


sys.exit(main())
