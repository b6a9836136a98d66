"""Runs the built program from the command line as a user does: a real process with its real
exit status, real files, no display in its environment. What the listings and messages say is
tests/cli/tst_commandline.cpp's; here is what needs the program itself. One table of rows; each
row names the arguments, the exit status, where its result lands (standard output or a file),
the reader that reads the result the way its own kind of program would, what that reader must
give, and the German words standard error must hold.

    command-line-test.py <program>
"""
import csv
import io
import os
import pty
import resource
import select
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import threading
import time
import tty
from collections import namedtuple
from datetime import date, timedelta

from icalendar import Calendar

Row = namedtuple("Row", "name args status target reader expected message full_disk missing env",
                 defaults=("", False, "", {}))

work = tempfile.mkdtemp()
UMASK = os.umask(0o022)
os.umask(UMASK)
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


# Names and dates that a terminal would obey: an escape sequence that retitles the window, one
# that clears the screen, a NUL that ended the message, a colour.
ESCAPED_NAME = "Esc\x1b]0;owned\x07"
COLOURED_NAME = "Term\x1b[31m"
write("bin/DATA.DAT", b'5,1\r\n"Anna"\r\n"08.11.1999"\r\n"Kein Datum"\r\n""\r\n'
      b'"Esc\x1b]0;owned\x07"\r\n"\x1b[2J"\r\n"Nullbyte"\r\n"01.01\x002000"\r\n'
      b'"Term\x1b[31m"\r\n"01.01.2000"\r\n')
write("plain-file", b"not a folder")
write("old.txt", b"the old file")

# --- readers: bytes in, something comparable out ---------------------------------------------


def heads(data):
    """Each non-empty line up to its 40th character."""
    return [line[:40] for line in data.decode("utf-8").splitlines() if line.strip()]


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


def png_words(data):
    """The PNG's size, and its Title and Description from its text chunks (tEXt, zTXt, iTXt)."""
    import zlib
    texts, at = {}, 8
    while at < len(data):
        length, kind = int.from_bytes(data[at:at + 4], "big"), data[at + 4:at + 8]
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        key, _, rest = body.partition(b"\0")
        if kind == b"tEXt":
            texts[key] = rest.decode("latin-1")
        elif kind == b"zTXt":
            texts[key] = zlib.decompress(rest[1:]).decode("latin-1")
        elif kind == b"iTXt":
            compressed, rest = rest[0], rest[2:]
            text = rest.split(b"\0", 2)[2]
            texts[key] = (zlib.decompress(text) if compressed else text).decode("utf-8")
    return png_size(data), texts.get(b"Title"), texts.get(b"Description")


def svg_words(data):
    import xml.etree.ElementTree as ElementTree
    svg = "{http://www.w3.org/2000/svg}"
    root = ElementTree.fromstring(data)
    return root.tag, root.findtext(svg + "title"), root.findtext(svg + "desc")


def words(data):
    """The blank-separated words of each line."""
    return [line.split() for line in data.decode("utf-8").splitlines()]


def nothing(data):
    return data


# --- the rows ----------------------------------------------------------------------------------

CRITICAL_2000 = [  # born 01.01.2000: the critical days of the first 40 days, counted by hand
    ("2000-01-01", ["Physisch", "Seelisch", "Geistig"], 3),
    ("2000-01-12", ["Physisch"], 1),  # day 11 and 12: the 23-day pair
    ("2000-01-13", ["Physisch"], 1),
    ("2000-01-16", ["Seelisch"], 1),  # day 15
    ("2000-01-17", ["Geistig"], 1),  # day 16 and 17: the 33-day pair
    ("2000-01-18", ["Geistig"], 1),
    ("2000-01-24", ["Physisch"], 1),
    ("2000-01-29", ["Seelisch"], 1),
    ("2000-02-03", ["Geistig"], 1),
    ("2000-02-04", ["Physisch"], 1),
    ("2000-02-05", ["Physisch"], 1),
]
BORN_2000 = ["--birth", "01.01.2000", "--date", "01.01.2000"]
NOT_A_FOLDER = path("plain-file/out")
FULL = "standard output on a full disk"  # a target: standard output goes to /dev/full
TERMINAL = "a terminal"  # a target: standard output is a terminal (a pty)
OFFSCREEN = {"QT_QPA_PLATFORM": "offscreen"}

ROWS = [
    Row("values on standard output", BORN_2000, 0, "-", lambda data: heads(data)[:3], [
        "Geburts-Datum  01.01.2000", "Anzeige-Datum  01.01.2000", "Tage seit der Geburt  0"]),
    Row("person from the list", ["--person", "anna", "--date", "08.11.2000"], 0, "-",
        lambda data: heads(data)[:3],
        ["Anna  08.11.1999", "Anzeige-Datum  08.11.2000", "Tage seit der Geburt  366"]),
    Row("comparison with a person from the list",
        ["--compare", "--birth", "01.01.2000", "--person", "anna", "-f", "csv"], 0, "-",
        lambda data: [(r["geburtsdatum_2"], r["abstand"], r["gesamt"]) for r in csv_rows(data)],
        [("1999-11-08", "54", "44")]),
    Row("-o writes the listing", ["-b", "01.01.2000", "-d", "30.12.9999", "-n", "5",
                                  "-f", "csv", "-o", path("end.csv")], 0, path("end.csv"),
        lambda data: [row["datum"] for row in csv_rows(data)], ["9999-12-30", "9999-12-31"]),
    Row("calendar file", BORN_2000 + ["--critical", "40", "--ics", path("days.ics")], 0,
        path("days.ics"), calendar_events,
        [(d, str(date.fromisoformat(d) + timedelta(days=1)),
          ("Dreifach kritischer Tag: " if n == 3 else "Kritischer Tag: ") + ", ".join(k))
         for d, k, n in CRITICAL_2000]),
    Row("calendar file prints nothing", BORN_2000 + ["--ics", path("quiet.ics")], 0, "-",
        nothing, b""),
    Row("day report as PDF", ["-b", "20.11.1953", "-d", "01.01.2000", "--pdf", path("r.pdf")],
        0, path("r.pdf"), pdf_headings, [
            "Physischer Zustand 94 %", "Seelischer Zustand -22 %", "Geistiger Zustand 62 %"]),
    # the title says whose chart it is and which 32 days it shows: 16 before the display date
    Row("chart as PNG", BORN_2000 + ["--png", path("chart.svg")], 0, path("chart.svg"),
        png_words, ((579, 172), "Biorhythmus zum Geburtsdatum 01.01.2000, 16.12.1999 bis "
                    "16.01.2000", "Die Kurven Physisch, Seelisch und Geistig; der senkrechte "
                    "Strich markiert den 01.01.2000.")),
    Row("chart as SVG", ["--person", "anna", "--date", "08.11.2000", "--svg", path("chart.png")],
        0, path("chart.png"), svg_words,
        ("{http://www.w3.org/2000/svg}svg", "Biorhythmus von Anna, 23.10.2000 bis 23.11.2000",
         "Die Kurven Physisch, Seelisch und Geistig; der senkrechte Strich markiert den "
         "08.11.2000.")),
    # The forms the window shows in either language, whatever the language of the answer.
    Row("English form, as the English answer writes it",
        ["--lang", "en", "--birth", "12/8/2026", "--date", "12/9/2026"], 0, "-",
        lambda data: heads(data)[:3], [
            "Birth date  12/8/2026", "Day shown  12/9/2026", "Days since birth  1"]),
    Row("English form and short German form, German answer",
        ["--birth", "1/13/2000", "--date", "1.2.2000"], 0, "-", lambda data: heads(data)[:3], [
            "Geburts-Datum  13.01.2000", "Anzeige-Datum  01.02.2000", "Tage seit der Geburt  19"]),
    Row("help names --window", ["--help"], 0, "-",
        lambda data: [w for w in words(data) if w[:1] == ["--window"]],
        [["--window", "Öffnet", "das", "Fenster", "mit", "Rahmen,", "ohne", "den", "Bildschirm",
          "umzuschalten."]]),
    Row("help names --window in English", ["--help", "--lang", "en"], 0, "-",
        lambda data: [w for w in words(data) if w[:1] == ["--window"]],
        [["--window", "Opens", "the", "window", "with", "a", "frame,", "without", "switching",
          "the", "screen."]]),
    Row("--window beside other options", ["--window"] + BORN_2000, 2, "-", nothing, b"",
        "--window öffnet das Fenster und geht nur mit --lang zusammen."),
    Row("--window twice", ["--window", "--window"], 2, "-", nothing, b"",
        "--window öffnet das Fenster und geht nur mit --lang zusammen."),
    Row("shortened options, the language among them",
        ["--la", "en", "--bir", "01.01.2000", "--dat", "01.01.2000"], 0, "-",
        lambda data: heads(data)[:2], ["Birth date  1/1/2000", "Day shown  1/1/2000"]),
    # text from the person list: shown on a terminal, not obeyed; data in a pipe stays the data
    Row("a name with escapes to a terminal", ["--person", COLOURED_NAME, "-d", "01.01.2000"], 0,
        TERMINAL, lambda data: heads(data)[:1], ["Term\\x1b[31m  01.01.2000"]),
    Row("a name with escapes to a pipe", ["--person", COLOURED_NAME, "-d", "01.01.2000"], 0,
        "-", lambda data: heads(data)[:1], ["Term\x1b[31m  01.01.2000"]),
    Row("a name and date with escapes in a message", ["--person", ESCAPED_NAME], 1, "-", nothing,
        b"", "Die Person „Esc\\x1b]0;owned\\x07“ hat kein gültiges Geburtsdatum („\\x1b[2J“)"),
    Row("a date with a NUL in a message", ["--person", "Nullbyte"], 1, "-", nothing, b"",
        "Die Person „Nullbyte“ hat kein gültiges Geburtsdatum („01.01\\x002000“) in der "
        f"Personenliste {path('bin/DATA.DAT')}.\n"),
    # a wrong call: status 2
    Row("unknown option", ["--birthday", "01.01.2000"], 2, "-", nothing, b"",
        "Unbekannte Option „--birthday“."),
    # failed runs: status 1, and no file left behind
    Row("unknown person", ["--person", "Bert"], 1, "-", nothing, b"",
        "Die Person „Bert“ steht nicht in der Personenliste"),
    Row("unknown person whose name holds a placeholder", ["--person", "B%2"], 1, "-", nothing,
        b"", f"Die Person „B%2“ steht nicht in der Personenliste {path('bin/DATA.DAT')}."),
    Row("person without a birth date", ["--person", "Kein Datum"], 1, "-", nothing, b"",
        "hat kein gültiges Geburtsdatum"),
    Row("unknown second person", ["--compare", "-b", "01.01.2000", "-p", "Bert"], 1, "-",
        nothing, b"", "Die Person „Bert“ steht nicht in der Personenliste"),
    Row("unwritable output file", BORN_2000 + ["-o", NOT_A_FOLDER], 1, NOT_A_FOLDER, nothing,
        None, f"biorhythmus: {NOT_A_FOLDER}: Die Datei kann nicht angelegt werden: Ein Teil des "
        "Pfads ist kein Ordner\n"),
    Row("unwritable PDF file", BORN_2000 + ["--pdf", NOT_A_FOLDER], 1, NOT_A_FOLDER, nothing,
        None, NOT_A_FOLDER),
    Row("unwritable calendar file, English", ["--lang", "en"] + BORN_2000 + ["--ics", NOT_A_FOLDER],
        1, NOT_A_FOLDER, nothing, None,
        f"biorhythmus: {NOT_A_FOLDER}: The file cannot be created: Not a directory\n"),
    Row("full standard output", BORN_2000, 1, FULL, nothing, None,
        "Die Standardausgabe lässt sich nicht schreiben"),
    # a disk that takes 4 KiB of each file: the whole message in the language chosen, the
    # system's reason in it too, though the system speaks English (C locale)
    Row("calendar file on a full disk", BORN_2000 + ["--ics", path("full.ics")], 1,
        path("full.ics"), nothing, None,
        f"biorhythmus: {path('full.ics')}: Die Datei kann nicht geschrieben werden: Die Datei ist "
        "zu groß\n", True),
    Row("calendar file on a full disk, English",
        ["--lang", "en"] + BORN_2000 + ["--ics", path("full.ics")], 1, path("full.ics"),
        nothing, None,
        f"biorhythmus: {path('full.ics')}: The file cannot be written: File too large\n", True),
    Row("day report on a full disk", BORN_2000 + ["--pdf", path("full.pdf")], 1,
        path("full.pdf"), nothing, None,
        f"biorhythmus: {path('full.pdf')} ließ sich nicht schreiben: Die Datei ist zu groß\n",
        True),
    Row("day report on a full disk, English",
        ["--lang", "en"] + BORN_2000 + ["--pdf", path("full.pdf")], 1, path("full.pdf"),
        nothing, None,
        f"biorhythmus: {path('full.pdf')} could not be written: File too large\n", True),
    # a library that is not beside the program: said in the language chosen, no file left
    Row("day report without its library, English",
        ["--lang", "en"] + BORN_2000 + ["--pdf", path("r2.pdf")], 1, path("r2.pdf"), nothing,
        None, f"biorhythmus: The program library {path('bin/libbiorhythmus-pictures.so')} cannot "
        "be loaded: ", missing="libbiorhythmus-pictures.so"),
    Row("window without its library, English", ["--lang", "en"], 1, "-", nothing, b"",
        f"biorhythmus: The program library {path('bin/libbiorhythmus-gui.so')} cannot be "
        "loaded: ", missing="libbiorhythmus-gui.so", env=OFFSCREEN),
    Row("window without its library", [], 1, "-", nothing, b"",
        f"biorhythmus: Die Programmbibliothek {path('bin/libbiorhythmus-gui.so')} lässt sich "
        "nicht laden: ", missing="libbiorhythmus-gui.so", env=OFFSCREEN),
    # no display (over ssh, on a text console), nor with Qt told to use X: said in the language
    # chosen, no abort
    Row("window without a display", [], 1, "-", nothing, b"",
        "biorhythmus: Das Fenster braucht eine grafische Oberfläche (X11 oder Wayland), aber "
        "DISPLAY und WAYLAND_DISPLAY nennen keine. Auf der Befehlszeile rechnet Biorhythmus ohne "
        "Fenster, etwa „biorhythmus --birth 20.11.1953“; „biorhythmus --help“ zeigt alle "
        "Optionen.\n"),
    Row("window without a display, English", ["--la", "en"], 1, "-", nothing, b"",
        "biorhythmus: The window needs a graphical desktop (X11 or Wayland), but neither DISPLAY "
        "nor WAYLAND_DISPLAY names one.", env={"QT_QPA_PLATFORM": "xcb"}),
]

# The person list replaced by one that cannot be read: a failed run, status 1.
BROKEN_LIST_ROW = Row("unreadable person list", ["--person", "Anna"], 1, "-", nothing, b"",
                      "Die Personenliste ist nicht lesbar")


def full_disk():
    """In the child: files end at 4 KiB, and a write beyond fails instead of ending it."""
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (4096, resource.getrlimit(resource.RLIMIT_FSIZE)[1]))


def run(row):
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    environment.update(HOME=path("home"), XDG_DATA_HOME=path("home/data"), LC_ALL="C.UTF-8",
                       **row.env)
    terminal, terminal_end = pty.openpty()
    tty.setraw(terminal_end)
    shown = Reader(terminal)
    with open("/dev/full", "wb") as full:
        done = subprocess.run([program] + row.args, env=environment,
                              stdout={FULL: full, TERMINAL: terminal_end}.get(row.target,
                                                                           subprocess.PIPE),
                              stderr=subprocess.PIPE, timeout=60,
                              preexec_fn=full_disk if row.full_disk else None)
    os.close(terminal_end)
    shown.ended.set()
    shown.join()
    if row.target == FULL:
        result = None
    elif row.target == TERMINAL:
        result = shown.data
    elif row.target == "-":
        result = done.stdout
    else:
        result = open(row.target, "rb").read() if os.path.isfile(row.target) else None
    return done.returncode, result, done.stderr.decode("utf-8")


def check(row):
    if row.missing:
        os.rename(path("bin/" + row.missing), path(row.missing))
    try:
        status, result, errors = run(row)
    finally:
        if row.missing:
            os.rename(path(row.missing), path("bin/" + row.missing))
    failures = []
    if status != row.status:
        failures.append(f"exit status {status}, expected {row.status}")
    got = row.reader(result) if result is not None else None
    if got != row.expected:
        failures.append(f"read {got!r}\n      expected {row.expected!r}")
    if (row.message not in errors) or (not row.message and errors):
        failures.append(f"standard error {errors!r}, expected {row.message!r}")
    return failures


# --- what lies under an output's name --------------------------------------------------------
# Every file option writes into what it is given as the shell's ">" would: "-" is standard
# output, a FIFO, a terminal or a device is written into and stays what it was, an ordinary file
# written over keeps its owner and mode, and a name is the bytes it was given. Each option is
# tried on each kind; where the writing lands is read by the option's reader.

OUTPUTS = [  # option, its further arguments, the reader of what it wrote, what that must give
    ("-o", ["--days", "2", "-f", "csv"], lambda data: [row["datum"] for row in csv_rows(data)],
     ["2000-01-01", "2000-01-02"]),
    ("--ics", ["--critical", "40"], lambda data: [event[0] for event in calendar_events(data)],
     [day for day, _, _ in CRITICAL_2000]),
    ("--pdf", [], pdf_headings,
     ["Physischer Zustand 0 %", "Seelischer Zustand 0 %", "Geistiger Zustand 0 %"]),
    ("--png", [], lambda data: png_size(data), (579, 172)),
    ("--svg", [], svg_root, "{http://www.w3.org/2000/svg}svg"),
]
NOBODY = 65534
Kind = namedtuple("Kind", "name status after message root", defaults=("", False))
KINDS = [  # what lies under the name; status; what lies there and beside it afterwards
    Kind("standard output", 0, None),
    Kind("/dev/stdout", 0, None),
    Kind("process substitution", 0, None),
    Kind("FIFO", 0, ("FIFO", ["out"])),
    Kind("terminal", 0, None),
    Kind("copy of /dev/null", 0, ("character device 1,3", ["out"]), root=True),
    # the reason in the program's words, though the system speaks English
    Kind("copy of /dev/full", 1, ("character device 1,7", ["out"]),
         ": Auf dem Datenträger ist kein Platz mehr\n", True),
    Kind("another user's 640 file", 0, ("file 640 65534:65534", ["out"]), root=True),
    Kind("444 file", 0, ("file 444 0:0", ["out"]), root=True),
    # beside it, its name's UTF-8 look-alike, which must keep its own content
    Kind("name that is no UTF-8", 0, ("file", ["bericht\udcff.txt", "bericht\ufffd.txt"])),
    Kind("working folder named in Latin-1", 0, ("file", ["out"])),
]


def described(name):
    """What lies under the name, as the system says, and what lies in its folder."""
    entries = sorted(os.fsdecode(entry) for entry in os.listdir(os.path.dirname(name)))
    if not os.path.exists(name):
        return "nothing", entries
    info = os.stat(name)
    if stat.S_ISFIFO(info.st_mode):
        kind = "FIFO"
    elif stat.S_ISCHR(info.st_mode):
        kind = f"character device {os.major(info.st_rdev)},{os.minor(info.st_rdev)}"
    elif (info.st_uid, stat.S_IMODE(info.st_mode)) == (os.getuid(), 0o666 & ~UMASK):
        kind = "file"  # as a new file of this user is made
    else:
        kind = f"file {stat.S_IMODE(info.st_mode):o} {info.st_uid}:{info.st_gid}"
    return kind, entries


class Reader(threading.Thread):
    """Reads a descriptor while the program runs, and once it has ended, until nothing more
    comes. A FIFO is opened before the program starts, so that the program finds its reader."""

    def __init__(self, fd):
        super().__init__()
        self.fd, self.data, self.ended = fd, b"", threading.Event()
        self.start()

    def run(self):
        while True:
            ready = select.select([self.fd], [], [], 0.2)[0]
            try:
                piece = os.read(self.fd, 65536) if ready else b""
            except OSError:  # nothing there yet, or a terminal whose other side is gone
                piece = b""
            self.data += piece
            if not piece and self.ended.is_set():
                break
            if not piece and ready:  # a FIFO without a writer yet, or no more
                time.sleep(0.05)
        os.close(self.fd)


def write_into(kind, option, args):
    """Runs the option onto the kind; its exit status, what landed, standard error, and what
    lies under the name afterwards."""
    folder = tempfile.mkdtemp(dir=work).encode()
    name = os.path.join(folder, b"out")
    value, cwd, reader, stdout = name, folder, None, subprocess.PIPE
    command = [program] + BORN_2000 + args + [option]
    if kind.name == "standard output":
        value = "-"
    elif kind.name == "/dev/stdout":
        value = "/dev/stdout"
    elif kind.name == "process substitution":
        substituted = os.path.join(folder, b"substituted")
        command = ["bash", "-c", 'exec 3>"$0"; "$@" >(cat >&3); s=$?; wait $!; exit $s',
                   substituted] + command
        value = None
    elif kind.name == "FIFO":
        os.mkfifo(name)
        reader = Reader(os.open(name, os.O_RDONLY | os.O_NONBLOCK))
    elif kind.name == "terminal":
        master, slave = pty.openpty()
        tty.setraw(slave)
        value = os.ttyname(slave)
        reader = Reader(master)
    elif kind.name.startswith("copy of"):
        os.mknod(name, 0o666 | stat.S_IFCHR, os.makedev(1, 3 if "null" in kind.name else 7))
    elif kind.name.endswith("file"):
        with open(name, "wb") as old:
            old.write(b"old")
        owner = NOBODY if "another user" in kind.name else 0
        os.chown(name, owner, owner)
        os.chmod(name, int(kind.after[0].split()[1], 8))
    elif kind.name == "name that is no UTF-8":
        name = value = os.path.join(folder, b"bericht\xff.txt")
        neighbour = os.path.join(folder, "bericht\ufffd.txt".encode())
        with open(neighbour, "wb") as look_alike:
            look_alike.write(b"a neighbour")
    else:
        cwd = os.path.join(folder, b"M\xfcller")
        os.mkdir(cwd)
        name, value = os.path.join(cwd, b"out"), b"out"
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    environment.update(HOME=path("home"), XDG_DATA_HOME=path("home/data"), LC_ALL="C.UTF-8")
    done = subprocess.run(command + ([value] if value is not None else []), env=environment,
                          cwd=cwd, stdout=stdout, stderr=subprocess.PIPE, timeout=60)
    if reader:
        reader.ended.set()
        reader.join()
        landed = reader.data
    elif kind.name in ("standard output", "/dev/stdout"):
        landed = done.stdout
    elif kind.name == "process substitution":
        landed = open(substituted, "rb").read()
    else:
        landed = open(name, "rb").read() if os.path.isfile(name) else None
    if kind.name == "terminal":
        os.close(slave)
    after = described(name) if kind.after else None
    if kind.name == "name that is no UTF-8" and open(neighbour, "rb").read() != b"a neighbour":
        after = ("look-alike written over", after[1])
    return done.returncode, landed, done.stderr.decode("utf-8", "replace"), after


def check_output_kind(kind, option, args, reader, expected):
    status, landed, errors, after = write_into(kind, option, args)
    failures = []
    if status != kind.status:
        failures.append(f"exit status {status}, expected {kind.status}")
    # a device keeps nothing to read back
    if kind.status == 0 and not kind.name.startswith("copy of"):
        try:
            got = reader(landed)
        except Exception as error:  # not what the reader reads, or nothing at all
            got = f"unreadable {(landed or b'')[:40]!r}: {error}"
        if got != expected:
            failures.append(f"read {got!r}, expected {expected!r}")
    if kind.message not in errors or (not kind.message and errors):
        failures.append(f"standard error {errors!r}, expected {kind.message!r}")
    if after != kind.after:
        failures.append(f"afterwards {after!r}, expected {kind.after!r}")
    return failures


def broken_pipe(ignored):
    """A listing longer than its reader wants, cut off by head: status 141 from the shell, and
    not a word, also where the parent ignores SIGPIPE."""
    done = subprocess.run(
        ["bash", "-c", '"$@" | head -1 >/dev/null; echo "${PIPESTATUS[0]}"', "bash", program]
        + BORN_2000 + ["--days", "10000"], capture_output=True, timeout=60,
        preexec_fn=(lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN)) if ignored else None)
    failures = []
    if done.stdout != b"141\n":
        failures.append(f"status {done.stdout!r}, expected 141")
    if done.stderr:
        failures.append(f"standard error {done.stderr!r}, expected nothing")
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
    for kind in KINDS:
        for option, args, reader, expected in OUTPUTS:
            if kind.root and os.getuid() != 0:
                print(f"skip {option} onto {kind.name}: needs root")
                continue
            failures = check_output_kind(kind, option, args, reader, expected)
            failed += bool(failures)
            print(("FAIL " if failures else "ok   ") + f"{option} onto {kind.name}")
            for failure in failures:
                print("      " + failure)
    for ignored in (False, True):
        failures = broken_pipe(ignored)
        failed += bool(failures)
        print(("FAIL " if failures else "ok   ") + "broken pipe" +
              (", SIGPIPE ignored by the parent" if ignored else ""))
        for failure in failures:
            print("      " + failure)
    shutil.rmtree(work)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
