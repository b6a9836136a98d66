#!/usr/bin/python3
"""Reads a calendar file of critical days with the icalendar parser and checks it against the
phase tables, worked out here on their own: the days, summaries, descriptions, end dates,
stamps and UIDs, and the line rules (CRLF, at most 75 octets, whole UTF-8 characters). With
--alarm, every event must carry one display alarm that rings so many minutes after its start,
and khal, a second reader, must list an alarm for every event."""
import argparse
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile

import icalendar

# Days within each cycle that are critical, and the opening sentence of each critical text.
CYCLES = [
    ("Physisch", 23, {0, 11, 12}, "Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand."),
    ("Seelisch", 28, {0, 15},
     "Vorsicht kritischer Tag ! Ihre Stimmung kann heute gedrückt, gereizt und auch verwirrt sein."),
    ("Geistig", 33, {0, 16, 17},
     "Achtung kritischer Tag ! Ihr logisches Denkvermögen und Ihre Konzentration lassen heute "
     "sehr zu wünschen übrig, was leicht zu unüberlegten Handlungen führen kann."),
]
HEADINGS = {1: "Kritischer Tag", 2: "Doppelt kritischer Tag", 3: "Dreifach kritischer Tag"}
LAST = datetime.date(9999, 12, 31)
problems = []


def check(condition, text):
    if not condition:
        problems.append(text)


def expected_days(birth, first, span, name):
    days = {}
    last = first + datetime.timedelta(days=min(span - 1, (LAST - first).days))  # LAST is date.max
    day = first
    while day <= last:
        count = (day - birth).days
        cycles = [c for c in CYCLES if count % c[1] in c[2]]  # Python's % keeps 0..P-1
        if cycles:
            names = ", ".join(c[0] for c in cycles)
            heading = HEADINGS[len(cycles)]
            summary = f"{heading} für {name}: {names}" if name.strip() else f"{heading}: {names}"
            description = "\n".join(f"{c[0]}: {c[3]}" for c in cycles)
            days[day] = (summary, description)
        if day == LAST:
            break
        day += datetime.timedelta(days=1)
    return days


def check_lines(raw):
    check(raw.endswith(b"\r\n"), "the file does not end with CRLF")
    for number, line in enumerate(raw.split(b"\r\n"), 1):
        check(b"\n" not in line and b"\r" not in line, f"line {number}: a bare line break")
        check(len(line) <= 75, f"line {number}: {len(line)} octets")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            problems.append(f"line {number}: a character cut apart by folding")


def check_escaping(raw):
    # A lenient parser reads a bare comma or semicolon as it is; other programs split on them.
    for line in raw.replace(b"\r\n ", b"").decode("utf-8").split("\r\n"):
        if line.startswith(("SUMMARY:", "DESCRIPTION:")):
            bare = re.sub(r"\\[\\;,n]", "", line.split(":", 1)[1])
            check(not re.search(r"[\\;,]", bare), f"unescaped text: {line[:40]}")


def check_alarm(day, event, minutes):
    alarms = [c for c in event.subcomponents if c.name == "VALARM"]
    if minutes is None:
        check(not alarms, f"{day}: an alarm nobody asked for")
        return
    check(len(alarms) == 1, f"{day}: {len(alarms)} alarms")
    for alarm in alarms:
        trigger = alarm["TRIGGER"]
        check(str(alarm["ACTION"]) == "DISPLAY", f"{day}: ACTION {alarm['ACTION']}")
        check(str(alarm["DESCRIPTION"]) == str(event["SUMMARY"]), f"{day}: alarm DESCRIPTION")
        check(trigger.dt == datetime.timedelta(minutes=minutes), f"{day}: TRIGGER {trigger.dt}")
        check(trigger.params.get("RELATED", "START") == "START", f"{day}: TRIGGER not at start")


def check_khal(path, count):
    """khal lists an alarm it can ring (a display alarm relative to the start) with a symbol."""
    if not shutil.which("khal"):
        problems.append("khal is missing (Debian package khal)")
        return
    with tempfile.TemporaryDirectory() as home:
        os.mkdir(os.path.join(home, "calendar"))
        config = os.path.join(home, "config")
        with open(config, "w") as out:
            out.write(f"[calendars]\n[[c]]\npath = {home}/calendar\n[locale]\n"
                      "dateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\ntimeformat = %H:%M\n"
                      "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n")
        listed = subprocess.run(["khal", "-c", config, "printics", "--format",
                                 "{start-date}|{alarm-symbol}|", path],
                                capture_output=True, text=True, env=dict(os.environ, HOME=home))
    lines = [line for line in listed.stdout.splitlines() if line.endswith("|")]
    check(listed.returncode == 0, f"khal: {listed.stderr.strip()[-200:]}")
    check(len(lines) == count, f"khal lists {len(lines)} of {count} events")
    check(all(line.split("|")[1].strip() for line in lines), "khal lists an event without alarm")


def events(path):
    raw = open(path, "rb").read()
    check_lines(raw)
    check_escaping(raw)
    return {e["DTSTART"].dt: e for e in icalendar.Calendar.from_ical(raw).walk("VEVENT")}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("file")
    parser.add_argument("--birth", type=datetime.date.fromisoformat, required=True)
    parser.add_argument("--first", type=datetime.date.fromisoformat, required=True)
    parser.add_argument("--span", type=int, required=True)
    parser.add_argument("--name", default="")
    parser.add_argument("--stamp", type=int, required=True, help="seconds since 1970 UTC")
    parser.add_argument("--same", required=True, help="the same person's file, from another day")
    parser.add_argument("--other", required=True, help="another person's file, the same days")
    parser.add_argument("--alarm", type=int, help="minutes from each event's start to its alarm")
    args = parser.parse_args()

    found = events(args.file)
    expected = expected_days(args.birth, args.first, args.span, args.name)
    check(sorted(found) == sorted(expected),
          f"days {sorted(set(found) ^ set(expected))[:6]} differ")
    stamp = datetime.datetime.fromtimestamp(args.stamp, datetime.timezone.utc)
    uids = set()
    for day, event in found.items():
        summary, description = expected.get(day, ("", ""))
        check(str(event["SUMMARY"]) == summary, f"{day}: summary {str(event['SUMMARY'])!r}")
        check(str(event["DESCRIPTION"]) == description, f"{day}: description differs")
        check_alarm(day, event, args.alarm)
        check(event["DTSTAMP"].dt == stamp, f"{day}: DTSTAMP {event['DTSTAMP'].dt}")
        check(event["DTSTAMP"].dt.utcoffset() == datetime.timedelta(0), f"{day}: DTSTAMP not UTC")
        if day < LAST:
            check(event["DTEND"].dt == day + datetime.timedelta(days=1), f"{day}: DTEND")
        else:
            check(event["DURATION"].dt == datetime.timedelta(days=1), f"{day}: DURATION")
        uid = str(event["UID"])
        uids.add(uid)
        hidden = [args.birth.strftime(f) for f in ("%Y%m%d", "%d%m%Y", "%d.%m.%Y", "%Y-%m-%d")]
        if args.name.strip():
            hidden.append(args.name.strip())
        check(not any(h in uid for h in hidden), f"{day}: UID {uid} shows name or birth date")
    check(len(uids) == len(found), "two events share a UID")
    if args.alarm is not None:
        check_khal(args.file, len(found))

    for other, same in ((args.same, True), (args.other, False)):
        shared = {d: e for d, e in events(other).items() if d in found}
        check(shared, f"{other} has no day in common")
        for day, event in shared.items():
            equal = str(event["UID"]) == str(found[day]["UID"])
            check(equal == same, f"{day}: UID {'changed' if same else 'shared'} in {other}")

    for problem in problems[:20]:
        print(problem)
    print(f"{len(found)} events read" if not problems else f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
