"""Runs the built program from the command line as a user does: a real process with its real
exit status, real files, no display in its environment. One table of rows; each row names the
arguments, the exit status, where its result lands (standard output or a file), the reader that
reads the result the way its own kind of program would, what that reader must give, and the
German words standard error must hold.

    command-line-test.py <program>
"""
import csv
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
from collections import namedtuple
from datetime import date, timedelta

from icalendar import Calendar

Row = namedtuple("Row", "name args status target reader expected message", defaults=("",))

work = tempfile.mkdtemp()
# The program runs from a folder of its own, so that the person list it reads lies there and
# nothing touches the build's own.
folder = os.path.join(work, "bin")
os.mkdir(folder)
program = os.path.join(folder, "biorhythmus")
shutil.copy2(sys.argv[1], program)
for name in os.listdir(os.path.dirname(sys.argv[1])):
    if name.startswith("libbiorhythmus"):
        shutil.copy2(os.path.join(os.path.dirname(sys.argv[1]), name), folder)


def path(name):
    return os.path.join(work, name)


def write(name, data):
    with open(path(name), "wb") as f:
        f.write(data)


write("bin/DATA.DAT", b'2,1\r\n"Anna"\r\n"08.11.1999"\r\n"Kein Datum"\r\n""\r\n')
write("plain-file", b"not a folder")
write("old.txt", b"the old file")

# --- readers: bytes in, something comparable out ---------------------------------------------


def heads(data):
    """Each non-empty line up to its 40th character."""
    return [line[:40] for line in data.decode("utf-8").splitlines() if line.strip()]


def words(data):
    """The blank-separated words of each line."""
    return [line.split() for line in data.decode("utf-8").splitlines()]


def json_tool(data):
    checked = subprocess.run(["/usr/bin/python3", "-m", "json.tool"], input=data,
                             capture_output=True, check=True).stdout
    return json.loads(checked)


def csv_rows(data):
    return list(csv.DictReader(io.StringIO(data.decode("utf-8"))))


def calendar_events(data):
    events = Calendar.from_ical(data).walk("VEVENT")
    return [(str(e.decoded("DTSTART")), str(e.decoded("DTEND")), str(e["SUMMARY"]))
            for e in events]


def pdf_headings(data):
    write("read.pdf", data)
    text = subprocess.run(["pdftotext", "-layout", path("read.pdf"), "-"],
                          capture_output=True, check=True).stdout.decode("utf-8")
    return [" ".join(line.split()) for line in text.splitlines()
            if line.split()[:2] in (["Physischer", "Zustand"], ["Seelischer", "Zustand"],
                                    ["Geistiger", "Zustand"])]


def png_size(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    return int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big")


def svg_root(data):
    import xml.etree.ElementTree as ElementTree
    return ElementTree.fromstring(data).tag


def nothing(data):
    return data


# --- the rows ----------------------------------------------------------------------------------

CRITICAL_2000 = [  # born 01.01.2000: the critical days of the first 40 days, counted by hand
    ("2000-01-01", "Samstag", ["Physisch", "Seelisch", "Geistig"], 3),
    ("2000-01-12", "Mittwoch", ["Physisch"], 1),  # day 11 and 12: the 23-day pair
    ("2000-01-13", "Donnerstag", ["Physisch"], 1),
    ("2000-01-16", "Sonntag", ["Seelisch"], 1),  # day 15
    ("2000-01-17", "Montag", ["Geistig"], 1),  # day 16 and 17: the 33-day pair
    ("2000-01-18", "Dienstag", ["Geistig"], 1),
    ("2000-01-24", "Montag", ["Physisch"], 1),
    ("2000-01-29", "Samstag", ["Seelisch"], 1),
    ("2000-02-03", "Donnerstag", ["Geistig"], 1),
    ("2000-02-04", "Freitag", ["Physisch"], 1),
    ("2000-02-05", "Samstag", ["Physisch"], 1),
]
BORN_2000 = ["--birth", "01.01.2000", "--date", "01.01.2000"]
NOT_A_FOLDER = path("plain-file/out")
FULL = "standard output on a full disk"  # a target: standard output goes to /dev/full
RANGE = "Das Datum muss zwischen dem 01.01.1601 und dem 31.12.9999 liegen."

ROWS = [
    Row("birth day itself", BORN_2000, 0, "-", heads, [
        "Geburts-Datum  01.01.2000", "Anzeige-Datum  01.01.2000", "Tage seit der Geburt  0",
        "Physischer Zustand  0 %", "Vorsicht ! Kritischer Tag für Ihren körp",
        "Seelischer Zustand  0 %", "Vorsicht kritischer Tag ! Ihre Stimmung ",
        "Geistiger Zustand  0 %", "Achtung kritischer Tag ! Ihr logisches D"]),
    Row("day before birth", ["-b", "2000-01-02", "-d", "2000-01-01"], 0, "-", heads, [
        "Geburts-Datum  02.01.2000", "Anzeige-Datum  01.01.2000", "Tage seit der Geburt  -1",
        "Physischer Zustand  -27 %", "Ihr körperlicher Zustand ist immer noch ",
        "Seelischer Zustand  -22 %", "Die kommenden Tage werden wieder langsam",
        "Geistiger Zustand  -19 %", "Es dauert noch etwas bis Sie Ihr geistig"]),
    Row("last day the program knows", ["--birth", "01.01.1601", "--date", "31.12.9999"], 0,
        "-", heads, [
            "Geburts-Datum  01.01.1601", "Anzeige-Datum  31.12.9999",
            "Tage seit der Geburt  3067670", "Physischer Zustand  -27 %",
            "Ihr körperlicher Zustand ist immer noch ", "Seelischer Zustand  -78 %",
            "Unsicherheit ,  Lustlosigkeit und Unausg", "Geistiger Zustand  -95 %",
            "Na ja,auch geistige Hochtage gehen mal z"]),
    Row("person from the list", ["--person", "anna", "--date", "08.11.2000"], 0, "-", heads, [
        "Anna  08.11.1999", "Anzeige-Datum  08.11.2000", "Tage seit der Geburt  366",
        "Physischer Zustand  -52 %", "Ihr körperlicher Zustand ist immer noch ",
        "Seelischer Zustand  43 %", "Aufgeschlossen und für alle Kontakte off",
        "Geistiger Zustand  54 %", "Ihr geistiges Bewußtsein steigert sich v"]),
    Row("23-day mid-cycle pair as CSV",
        ["--birth", "01.01.2000", "--date", "12.01.2000", "--days", "2", "--format", "csv"], 0,
        "-", csv_rows, [
            {"datum": "2000-01-12", "tage": "11", "physisch": "14", "seelisch": "62",
             "geistig": "87", "kritisch": "Physisch"},
            {"datum": "2000-01-13", "tage": "12", "physisch": "-14", "seelisch": "43",
             "geistig": "76", "kritisch": "Physisch"}]),
    Row("day table as text", ["-b", "01.01.2000", "-d", "12.01.2000", "-n", "3"], 0, "-", words, [
        ["Datum", "Tage", "Physisch", "Seelisch", "Geistig", "Kritisch"],
        ["12.01.2000", "11", "14", "%", "62", "%", "87", "%", "Physisch"],
        ["13.01.2000", "12", "-14", "%", "43", "%", "76", "%", "Physisch"],
        ["14.01.2000", "13", "-40", "%", "22", "%", "62", "%"]]),
    Row("33-day mid-cycle pair as JSON",
        ["-b", "01.01.2000", "-d", "17.01.2000", "-n", "2", "-f", "json"], 0, "-", json_tool, [
            {"datum": "2000-01-17", "tage": 16, "physisch": -94, "seelisch": -43,
             "geistig": 10, "kritisch": ["Geistig"]},
            {"datum": "2000-01-18", "tage": 17, "physisch": -100, "seelisch": -62,
             "geistig": -10, "kritisch": ["Geistig"]}]),
    Row("critical days as JSON", BORN_2000 + ["--critical", "40", "--format", "json"], 0, "-",
        json_tool, [{"datum": d, "wochentag": w, "kritisch": k, "anzahl": n}
                    for d, w, k, n in CRITICAL_2000]),
    Row("table stops at 31.12.9999", ["-b", "01.01.2000", "-d", "30.12.9999", "-n", "5",
                                      "-f", "csv", "-o", path("end.csv")], 0, path("end.csv"),
        lambda data: [row["datum"] for row in csv_rows(data)], ["9999-12-30", "9999-12-31"]),
    Row("calendar file", BORN_2000 + ["--critical", "40", "--ics", path("days.ics")], 0,
        path("days.ics"), calendar_events,
        [(d, str(date.fromisoformat(d) + timedelta(days=1)),
          ("Dreifach kritischer Tag: " if n == 3 else "Kritischer Tag: ") + ", ".join(k))
         for d, _, k, n in CRITICAL_2000]),
    Row("calendar file prints nothing", BORN_2000 + ["--ics", path("quiet.ics")], 0, "-",
        nothing, b""),
    Row("day report as PDF", ["-b", "20.11.1953", "-d", "01.01.2000", "--pdf", path("r.pdf")],
        0, path("r.pdf"), pdf_headings, [
            "Physischer Zustand 94 %", "Seelischer Zustand -22 %", "Geistiger Zustand 62 %"]),
    Row("chart as PNG", BORN_2000 + ["--png", path("chart.svg")], 0, path("chart.svg"),
        png_size, (579, 172)),
    Row("chart as SVG", BORN_2000 + ["--svg", path("chart.png")], 0, path("chart.png"),
        svg_root, "{http://www.w3.org/2000/svg}svg"),
    Row("values in English", ["--lang", "en"] + BORN_2000, 0, "-", heads, [
        "Birth date  1/1/2000", "Day shown  1/1/2000", "Days since birth  0",
        "Physical state  0 %", "Careful! A critical day for your physica",
        "Emotional state  0 %", "Careful, a critical day! Your mood may b",
        "Intellectual state  0 %", "Attention, a critical day! Your logical "]),
    Row("help", ["--help"], 0, "-", lambda data: heads(data)[0], "Aufruf: biorhythmus [Optionen]"),
    Row("help names --window", ["--help"], 0, "-",
        lambda data: [w for w in words(data) if w[:1] == ["--window"]],
        [["--window", "Öffnet", "das", "Fenster", "mit", "Rahmen,", "ohne", "den", "Bildschirm",
          "umzuschalten."]]),
    Row("help names --window in English", ["--help", "--lang", "en"], 0, "-",
        lambda data: [w for w in words(data) if w[:1] == ["--window"]],
        [["--window", "Opens", "the", "window", "with", "a", "frame,", "without", "switching",
          "the", "screen."]]),
    Row("version", ["-v"], 0, "-", heads, ["biorhythmus 2.0.0"]),
    # usage errors: status 2
    Row("unknown option", ["--birthday", "01.01.2000"], 2, "-", nothing, b"",
        "Unbekannte Option „--birthday“."),
    Row("bad date", ["--birth", "31.02.2000"], 2, "-", nothing, b"",
        "„31.02.2000“ ist kein Datum"),
    Row("date before 1601", ["--birth", "31.12.1600"], 2, "-", nothing, b"", RANGE),
    Row("missing value", ["--birth"], 2, "-", nothing, b"", "Nach „--birth“ fehlt ein Wert."),
    Row("no birth date", ["--date", "01.01.2000"], 2, "-", nothing, b"",
        "Bitte --birth DATUM oder --person NAME angeben."),
    Row("bad date in English", ["--lang=en", "--birth", "31.02.2000"], 2, "-", nothing, b"",
        "“31.02.2000” is not a date"),
    Row("unknown language", BORN_2000 + ["--lang", "fr"], 2, "-", nothing, b"",
        "Unbekannte Sprache „fr“"),
    Row("--window beside other options", ["--window"] + BORN_2000, 2, "-", nothing, b"",
        "--window öffnet das Fenster und geht nur mit --lang zusammen."),
    Row("--window twice", ["--window", "--window"], 2, "-", nothing, b"",
        "--window öffnet das Fenster und geht nur mit --lang zusammen."),
    Row("bad format", BORN_2000 + ["--format", "xml"], 2, "-", nothing, b"",
        "Unbekanntes Format „xml“"),
    Row("span not a number", BORN_2000 + ["--days", "viele"], 2, "-", nothing, b"",
        "--days erwartet eine ganze Zahl von 1 bis 100000"),
    # failed runs: status 1, and no file left behind
    Row("unknown person", ["--person", "Bert"], 1, "-", nothing, b"",
        "Die Person „Bert“ steht nicht in der Personenliste"),
    Row("person without a birth date", ["--person", "Kein Datum"], 1, "-", nothing, b"",
        "hat kein gültiges Geburtsdatum"),
    Row("unwritable output file", BORN_2000 + ["-o", NOT_A_FOLDER], 1, NOT_A_FOLDER, nothing,
        None, "out: Die Datei kann nicht angelegt werden"),
    Row("unwritable PDF file", BORN_2000 + ["--pdf", NOT_A_FOLDER], 1, NOT_A_FOLDER, nothing,
        None, NOT_A_FOLDER),
    Row("unwritable calendar file", BORN_2000 + ["--ics", NOT_A_FOLDER], 1, NOT_A_FOLDER,
        nothing, None, "out: Die Datei kann nicht angelegt werden"),
    Row("full standard output", BORN_2000, 1, FULL, nothing, None,
        "Die Standardausgabe lässt sich nicht schreiben"),
]

# The person list replaced by one that cannot be read: a failed run, status 1.
BROKEN_LIST_ROW = Row("unreadable person list", ["--person", "Anna"], 1, "-", nothing, b"",
                      "Die Personenliste ist nicht lesbar")


def run(row):
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    environment.update(HOME=path("home"), XDG_DATA_HOME=path("home/data"), LC_ALL="C.UTF-8")
    with open("/dev/full", "wb") as full:
        done = subprocess.run([program] + row.args, env=environment,
                              stdout=full if row.target == FULL else subprocess.PIPE,
                              stderr=subprocess.PIPE, timeout=60)
    if row.target == FULL:
        result = None
    elif row.target == "-":
        result = done.stdout
    else:
        result = open(row.target, "rb").read() if os.path.isfile(row.target) else None
    return done.returncode, result, done.stderr.decode("utf-8")


def check(row):
    status, result, errors = run(row)
    failures = []
    if status != row.status:
        failures.append(f"exit status {status}, expected {row.status}")
    got = row.reader(result) if result is not None else None
    if got != row.expected:
        failures.append(f"read {got!r}\n      expected {row.expected!r}")
    if (row.message not in errors) or (not row.message and errors):
        failures.append(f"standard error {errors!r}, expected {row.message!r}")
    return failures


def main():
    failed = 0
    for row in ROWS + [BROKEN_LIST_ROW]:
        if row is BROKEN_LIST_ROW:
            write("bin/DATA.DAT", b"zwei,1\r\n")
        failures = check(row)
        failed += bool(failures)
        print(("FAIL " if failures else "ok   ") + row.name)
        for failure in failures:
            print("      " + failure)
    shutil.rmtree(work)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
