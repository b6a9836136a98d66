<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>Arguments</name>
    <message>
        <source>Datum</source>
        <translation>date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Geburtsdatum der Person aus der Personenliste.</source>
        <translation>Birth date of the person in the list of people.</translation>
    </message>
    <message>
        <source>Anzeige-Datum (Vorgabe: heute).</source>
        <translation>Day shown (default: today).</translation>
    </message>
    <message>
        <source>Tabelle von N Tagen ab dem Anzeige-Datum.</source>
        <translation>Table of N days from the day shown.</translation>
    </message>
    <message>
        <source>Die kritischen Tage der nächsten N Tage.</source>
        <translation>The critical days of the next N days.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>text, csv oder json (Vorgabe: text).</source>
        <translation>text, csv or json (default: text).</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Schreibt in die Datei; - ist die Standardausgabe.</source>
        <translation>Writes to the file; - is standard output.</translation>
    </message>
    <message>
        <source>Kalenderdatei der kritischen Tage (Vorgabe: 90 Tage).</source>
        <translation>Calendar file of the critical days (default: 90 days).</translation>
    </message>
    <message>
        <source>Der Tagesbericht als PDF-Datei, wie gedruckt.</source>
        <translation>The day report as a PDF file, as printed.</translation>
    </message>
    <message>
        <source>Das Diagramm mit der Tagesleiste als PNG-Bild.</source>
        <translation>The chart with its day strip as a PNG picture.</translation>
    </message>
    <message>
        <source>Das Diagramm mit der Tagesleiste als SVG-Bild.</source>
        <translation>The chart with its day strip as an SVG picture.</translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Zeigt die Version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Aufruf: biorhythmus [Optionen]

Ohne Optionen öffnet Biorhythmus sein Fenster. Mit Optionen
rechnet es ohne Fenster: die Tage seit der Geburt, die drei
Prozentwerte und die drei Texte, wie das Fenster sie zeigt,
oder was die Optionen verlangen.

Optionen:
</source>
        <translation>Usage: biorhythmus [options]

Without options Biorhythmus opens its window. With options it
works without a window: the days since birth, the three
percentages and the three texts, as the window shows them,
or what the options ask for.

Options:
</translation>
    </message>
    <message>
        <source>
Rückgabewert: 0 bei Erfolg, 1 wenn etwas nicht gelang (eine Datei,
die Personenliste), 2 bei falschem Aufruf.
</source>
        <translation>
Exit status: 0 on success, 1 when something failed (a file,
the list of people), 2 when the call was wrong.
</translation>
    </message>
    <message>
        <source>--%1 erwartet eine ganze Zahl von 1 bis %2, nicht „%3“.</source>
        <translation>--%1 expects a whole number from 1 to %2, not “%3”.</translation>
    </message>
    <message>
        <source>Unbekannte Option „%1“.</source>
        <translation>Unknown option “%1”.</translation>
    </message>
    <message>
        <source>Nach „%1“ fehlt ein Wert.</source>
        <translation>A value is missing after “%1”.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument „%1“.</source>
        <translation>Unexpected argument “%1”.</translation>
    </message>
    <message>
        <source>Nach „--person“ fehlt ein Name.</source>
        <translation>A name is missing after “--person”.</translation>
    </message>
    <message>
        <source>--birth und --person schließen einander aus.</source>
        <translation>--birth and --person exclude each other.</translation>
    </message>
    <message>
        <source>Bitte --birth DATUM oder --person NAME angeben.</source>
        <translation>Please give --birth DATE or --person NAME.</translation>
    </message>
    <message>
        <source>--days und --critical schließen einander aus.</source>
        <translation>--days and --critical exclude each other.</translation>
    </message>
    <message>
        <source>Unbekanntes Format „%1“; möglich sind text, csv und json.</source>
        <translation>Unknown format “%1”; possible are text, csv and json.</translation>
    </message>
    <message>
        <source>Nach „--%1“ fehlt ein Dateiname.</source>
        <translation>A file name is missing after “--%1”.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>language</translation>
    </message>
    <message>
        <source>de oder en: die Sprache der Texte (Vorgabe: die des Systems).</source>
        <translation>de or en: the language of the texts (default: the system’s).</translation>
    </message>
    <message>
        <source>Unbekannte Sprache „%1“; möglich sind de und en.</source>
        <translation>Unknown language “%1”; possible are de and en.</translation>
    </message>
    <message>
        <source>Geburtsdatum: TT.MM.JJJJ, JJJJ-MM-TT oder die englische Form.</source>
        <translation>Birth date: DD.MM.YYYY, YYYY-MM-DD or the English form.</translation>
    </message>
    <message>
        <source>T</source>
        <comment>the letter for a digit of the day</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>J</source>
        <comment>the letter for a digit of the year</comment>
        <translation>Y</translation>
    </message>
    <message>
        <source>„%1“ ist kein Datum; erwartet wird TT.MM.JJJJ, JJJJ-MM-TT oder %2.</source>
        <translation>“%1” is not a date; expected is DD.MM.YYYY, YYYY-MM-DD or %2.</translation>
    </message>
    <message>
        <source>Mit --ics: Erinnerung am kritischen Tag um HH:MM.</source>
        <translation>With --ics: an alarm on the critical day at HH:MM.</translation>
    </message>
    <message>
        <source>Mit --ics: Erinnerung am Vortag um HH:MM.</source>
        <translation>With --ics: an alarm on the day before at HH:MM.</translation>
    </message>
    <message>
        <source>Meldet kritische Tage von heute und morgen auf dem Desktop.</source>
        <translation>Tells of today&apos;s and tomorrow&apos;s critical days on the desktop.</translation>
    </message>
    <message>
        <source>Partnervergleich zweier Personen: --birth oder --person zweimal
angeben; mit --critical N ihre gemeinsamen kritischen Tage.</source>
        <translation>Partner comparison of two people: give --birth or --person
twice; with --critical N their shared critical days.</translation>
    </message>
    <message>
        <source>Mehr als eine Person nur mit --compare.</source>
        <translation>More than one person only with --compare.</translation>
    </message>
    <message>
        <source>--compare vergleicht zwei Personen: bitte --birth oder --person zweimal angeben.</source>
        <translation>--compare compares two people: please give --birth or --person twice.</translation>
    </message>
    <message>
        <source>--compare und --%1 schließen einander aus.</source>
        <translation>--compare and --%1 exclude each other.</translation>
    </message>
    <message>
        <source>Öffnet das Fenster mit Rahmen, ohne den Bildschirm umzuschalten.</source>
        <translation>Opens the window with a frame, without switching the screen.</translation>
    </message>
    <message>
        <source>--window öffnet das Fenster und geht nur mit --lang zusammen.</source>
        <translation>--window opens the window and goes only with --lang.</translation>
    </message>
    <message>
        <source>
Fehler bitte an &lt;%1&gt; melden.
</source>
        <translation>
Report bugs to &lt;%1&gt;.
</translation>
    </message>
    <message>
        <source>Die Option „%1“ ist mehrdeutig; möglich sind %2.</source>
        <translation>The option “%1” is ambiguous; possible are %2.</translation>
    </message>
    <message>
        <source>Lizenz: proprietär, die Nutzungsbedingungen im Hilfefenster. Private Nutzung und
unveränderte Weitergabe sind erlaubt; keine Haftung, soweit das Gesetz dies zulässt.
</source>
        <translation>License: proprietary, the terms of use in the help window. Private use and passing
it on unchanged are permitted; no liability, as far as the law allows.
</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>Es gibt schon %1 Sicherungskopien</source>
        <translation>There are already %1 backup copies</translation>
    </message>
</context>
<context>
    <name>BirthDateInput</name>
    <message>
        <source>Geburtsdatum</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>Kein Datum eingetragen</source>
        <translation>No date entered</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 für %2: %3</source>
        <translation>%1 for %2: %3</translation>
    </message>
    <message>
        <source>Die Kalenderdatei kann nicht geschrieben werden</source>
        <translation>The calendar file cannot be written</translation>
    </message>
</context>
<context>
    <name>ChartArea</name>
    <message>
        <source>Biorhythmus-Kurven</source>
        <translation>Biorhythm curves</translation>
    </message>
</context>
<context>
    <name>ChartCommands</name>
    <message>
        <source>Kritische Tage...</source>
        <translation>Critical days...</translation>
    </message>
    <message>
        <source>Diagramm als Bild speichern...</source>
        <translation>Save the chart as a picture...</translation>
    </message>
    <message>
        <source>Diagramm kopieren</source>
        <translation>Copy the chart</translation>
    </message>
    <message>
        <source>Diagramm als Bild speichern</source>
        <translation>Save the chart as a picture</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png);;SVG-Bilder (*.svg)</source>
        <translation>PNG pictures (*.png);;SVG pictures (*.svg)</translation>
    </message>
    <message>
        <source>Das Diagramm ist in der Datei „%1“ gespeichert.</source>
        <translation>The chart has been saved in the file “%1”.</translation>
    </message>
    <message>
        <source>Partnervergleich...</source>
        <translation>Partner comparison...</translation>
    </message>
    <message>
        <source>Erinnerungen...</source>
        <translation>Reminders...</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>„biorhythmus --help“ zeigt alle Optionen.
</source>
        <translation>“biorhythmus --help” shows every option.
</translation>
    </message>
</context>
<context>
    <name>CriticalDayNotices</name>
    <message>
        <source>%1 am %2 (geboren am %3)</source>
        <translation>%1 on %2 (born %3)</translation>
    </message>
    <message>
        <source>%1 für %2 am %3</source>
        <translation>%1 for %2 on %3</translation>
    </message>
</context>
<context>
    <name>CriticalDaysWindow</name>
    <message>
        <source>Geburtsdatum %1, ab %2</source>
        <translation>Birth date %1, from %2</translation>
    </message>
    <message>
        <source>%1, geboren am %2, ab %3</source>
        <translation>%1, born %2, from %3</translation>
    </message>
    <message>
        <source>Kritische Tage</source>
        <translation>Critical days</translation>
    </message>
    <message>
        <source>KRITISCHE TAGE</source>
        <translation>CRITICAL DAYS</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>&amp;Span:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zyklen</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Mehrfach</source>
        <translation>Multiple</translation>
    </message>
    <message>
        <source>Als Kalenderdatei speichern...</source>
        <translation>Save as a calendar file...</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 kritische Tage bis %2</source>
        <translation>%1 critical days up to %2</translation>
    </message>
    <message>
        <source>Als Kalenderdatei speichern</source>
        <translation>Save as a calendar file</translation>
    </message>
    <message>
        <source>Kalenderdateien (*.ics)</source>
        <translation>Calendar files (*.ics)</translation>
    </message>
    <message>
        <source>Die kritischen Tage sind in der Datei „%1“ gespeichert.</source>
        <translation>The critical days have been saved in the file “%1”.</translation>
    </message>
    <message>
        <source>Erinnerungen...</source>
        <translation>Reminders...</translation>
    </message>
    <message>
        <source>&amp;Erinnerung im Kalender:</source>
        <translation>&amp;Alarm in the calendar:</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>am Tag um</source>
        <translation>on the day at</translation>
    </message>
    <message>
        <source>am Vortag um</source>
        <translation>the day before at</translation>
    </message>
    <message>
        <source>Erinnerung im Kalender</source>
        <translation>Alarm in the calendar</translation>
    </message>
    <message>
        <source>Uhrzeit der Erinnerung</source>
        <translation>Time of the alarm</translation>
    </message>
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>Physisch</source>
        <translation>Physical</translation>
    </message>
    <message>
        <source>Seelisch</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Geistig</source>
        <translation>Intellectual</translation>
    </message>
    <message>
        <source>Physischer Zustand</source>
        <translation>Physical state</translation>
    </message>
    <message>
        <source>Seelischer Zustand</source>
        <translation>Emotional state</translation>
    </message>
    <message>
        <source>Geistiger Zustand</source>
        <translation>Intellectual state</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>„%1“ ist kein Datum.</source>
        <translation>“%1” is not a date.</translation>
    </message>
    <message>
        <source>Es bleibt beim %1.</source>
        <translation>The date stays %1.</translation>
    </message>
</context>
<context>
    <name>DateRules</name>
    <message>
        <source>Das Datum muss zwischen dem 01.01.1601 und dem 31.12.9999 liegen.</source>
        <translation>The date must lie between 1 January 1601 and 31 December 9999.</translation>
    </message>
</context>
<context>
    <name>DayDescription</name>
    <message>
        <source>Tag %1 seit der Geburt</source>
        <translation>Day %1 since birth</translation>
    </message>
    <message>
        <source>1 Tag vor der Geburt</source>
        <translation>1 day before birth</translation>
    </message>
    <message>
        <source>%1 Tage vor der Geburt</source>
        <translation>%1 days before birth</translation>
    </message>
    <message>
        <source>Kein kritischer Tag</source>
        <translation>No critical day</translation>
    </message>
</context>
<context>
    <name>DayListControls</name>
    <message>
        <source>%1 Tage</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Span</translation>
    </message>
</context>
<context>
    <name>DayPictures</name>
    <message>
        <source>%1 ließ sich nicht schreiben</source>
        <translation>%1 could not be written</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>Copyright © Biorhythmus-Team</source>
        <translation>Copyright © Biorhythmus team</translation>
    </message>
    <message>
        <source>Physische Kurve ist rot</source>
        <translation>Physical curve is red</translation>
    </message>
    <message>
        <source>Seelische Kurve ist blau</source>
        <translation>Emotional curve is blue</translation>
    </message>
    <message>
        <source>Geistige Kurve ist grün</source>
        <translation>Intellectual curve is green</translation>
    </message>
    <message>
        <source>Biorhythmus-Tagesbericht</source>
        <translation>Biorhythm day report</translation>
    </message>
    <message>
        <source>Die PDF-Seite konnte nicht angelegt werden.</source>
        <translation>The PDF page could not be created.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden.</source>
        <translation>The file “%1” could not be saved.</translation>
    </message>
</context>
<context>
    <name>DayStripArea</name>
    <message>
        <source>Tage des Monats</source>
        <translation>Days of the month</translation>
    </message>
</context>
<context>
    <name>DaySurface</name>
    <message>
        <source>Pfeil links und rechts: ein Tag zurück und vor, Bild auf und ab: ein Monat, Pos1: heute</source>
        <translation>Left and Right arrow: one day back and on, Page Up and Down: one month, Home: today</translation>
    </message>
</context>
<context>
    <name>DayWords</name>
    <message>
        <source>Kritischer Tag</source>
        <translation>Critical day</translation>
    </message>
    <message>
        <source>Doppelt kritischer Tag</source>
        <translation>Double critical day</translation>
    </message>
    <message>
        <source>Dreifach kritischer Tag</source>
        <translation>Triple critical day</translation>
    </message>
    <message>
        <source>Die Liste endet am %1, dem letzten Tag, den das Programm kennt.</source>
        <translation>The list ends on %1, the last day the program knows.</translation>
    </message>
    <message>
        <source>Biorhythmus zum Geburtsdatum %1, %2 bis %3</source>
        <translation>Biorhythm for the birth date %1, %2 to %3</translation>
    </message>
    <message>
        <source>Biorhythmus von %1, %2 bis %3</source>
        <translation>Biorhythm of %1, %2 to %3</translation>
    </message>
    <message>
        <source>Die Kurven %1, %2 und %3; der senkrechte Strich markiert den %4.</source>
        <translation>The curves %1, %2 and %3; the vertical line marks %4.</translation>
    </message>
    <message>
        <source>Erste Person</source>
        <translation>First person</translation>
    </message>
    <message>
        <source>Zweite Person</source>
        <translation>Second person</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>high</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>low</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>Geburts-Datum</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>Anzeige-Datum</source>
        <translation>Day shown</translation>
    </message>
</context>
<context>
    <name>DesktopNotifications</name>
    <message>
        <source>Die kritischen Tage lassen sich nicht melden: Es gibt keinen Sitzungsbus</source>
        <translation>The critical days cannot be told: there is no session bus</translation>
    </message>
    <message>
        <source>Die kritischen Tage lassen sich nicht melden: Auf dem Sitzungsbus antwortet kein Benachrichtigungsdienst</source>
        <translation>The critical days cannot be told: no notification service answers on the session bus</translation>
    </message>
    <message>
        <source>Die Benachrichtigung „%1“ lässt sich nicht senden</source>
        <translation>The notification “%1” cannot be sent</translation>
    </message>
</context>
<context>
    <name>ExitSignals</name>
    <message>
        <source>Biorhythmus: Das Beenden hat zu lange gedauert; das Programm endet ohne weiteres Aufräumen.
</source>
        <translation>Biorhythmus: leaving took too long; the program ends without further tidying up.
</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Hilfe und Programminformation</source>
        <translation>Help and program information</translation>
    </message>
    <message>
        <source>VORAX BIORHYTHMUS v2.0</source>
        <translation>VORAX BIORHYTHMUS v2.0</translation>
    </message>
    <message>
        <source>Copyright © 2024 die Entwickler von Biorhythmus</source>
        <translation>Copyright © 2024 the Biorhythmus developers</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Nutzungsbedingungen</source>
        <translation>Terms of use</translation>
    </message>
    <message>
        <source>Kurzanleitung</source>
        <translation>Quick guide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Hilfe schließen</source>
        <translation>Close the help</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>Tage seit der Geburt</source>
        <translation>Days since birth</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Kritisch</source>
        <translation>Critical</translation>
    </message>
    <message>
        <source>Kritische Tage vom %1 bis %2
</source>
        <translation>Critical days from %1 to %2
</translation>
    </message>
    <message>
        <source>Tage zwischen den Geburtsdaten</source>
        <translation>Days between the birth dates</translation>
    </message>
    <message>
        <source>Gemeinsame kritische Tage vom %1 bis %2
</source>
        <translation>Shared critical days from %1 to %2
</translation>
    </message>
    <message>
        <source>Keine
</source>
        <translation>None
</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Biorhythmus</source>
        <translation>Biorhythmus</translation>
    </message>
    <message>
        <source>Physischer Zustand zum berechneten Tag</source>
        <translation>Physical state on the day worked out</translation>
    </message>
    <message>
        <source>Seelischer Zustand zum berechneten Tag</source>
        <translation>Emotional state on the day worked out</translation>
    </message>
    <message>
        <source>Geistiger Zustand zum berechneten Tag</source>
        <translation>Intellectual state on the day worked out</translation>
    </message>
    <message>
        <source>Name zum Geburtsdatum</source>
        <translation>Name for the birth date</translation>
    </message>
    <message>
        <source>Hier das Geburtsdatum eingeben</source>
        <translation>Enter the birth date here</translation>
    </message>
    <message>
        <source>Bezeichnung des Anzeige-Datums</source>
        <translation>Name of the day shown</translation>
    </message>
    <message>
        <source>Hier das zu berechnende Datum eingeben</source>
        <translation>Enter the day to work out here</translation>
    </message>
    <message>
        <source>Personen editieren</source>
        <translation>Edit people</translation>
    </message>
    <message>
        <source>Personen</source>
        <translation>People</translation>
    </message>
    <message>
        <source>Wer Wie Was Wo</source>
        <translation>Who, what, how, where</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ausdrucken der aktuellen Tagesdaten</source>
        <translation>Print the day&apos;s values shown</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Tag zurück oder vor</source>
        <translation>Day back or on</translation>
    </message>
    <message>
        <source>Drücken um einen Tag vor oder zurück zu schreiten</source>
        <translation>Press to step one day on or back</translation>
    </message>
    <message>
        <source>Einen Tag zurück</source>
        <translation>One day back</translation>
    </message>
    <message>
        <source>Einen Tag vor</source>
        <translation>One day on</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Physische Kurve</source>
        <translation>Physical curve</translation>
    </message>
    <message>
        <source>Seelische Kurve</source>
        <translation>Emotional curve</translation>
    </message>
    <message>
        <source>Geistige Kurve</source>
        <translation>Intellectual curve</translation>
    </message>
    <message>
        <source>Prozentanzeige zum berechneten Tag</source>
        <translation>Percentage on the day worked out</translation>
    </message>
    <message>
        <source>Der vorige Druckauftrag ist noch nicht beendet: Das Drucksystem hat noch nicht geantwortet.

Bitte drucken Sie etwas später erneut.</source>
        <translation>The previous print job has not finished yet: the print system has not answered.

Please print again a little later.</translation>
    </message>
    <message>
        <source>Übernommen: %1</source>
        <translation>Taken over: %1</translation>
    </message>
</context>
<context>
    <name>PartnerComparisonWindow</name>
    <message>
        <source>Geburtsdatum %1</source>
        <translation>Birth date %1</translation>
    </message>
    <message>
        <source>%1, geboren am %2</source>
        <translation>%1, born %2</translation>
    </message>
    <message>
        <source>Partnervergleich</source>
        <translation>Partner comparison</translation>
    </message>
    <message>
        <source>PARTNERVERGLEICH</source>
        <translation>PARTNER COMPARISON</translation>
    </message>
    <message>
        <source>Erste Person, durchgezogen: %1</source>
        <translation>First person, solid: %1</translation>
    </message>
    <message>
        <source>Kurven beider Personen</source>
        <translation>Curves of both people</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Zweite Person, gestrichelt:</source>
        <translation>&amp;Second person, dashed:</translation>
    </message>
    <message>
        <source>Zweite Person</source>
        <translation>Second person</translation>
    </message>
    <message>
        <source>Eingegebenes Geburtsdatum</source>
        <translation>Birth date typed in</translation>
    </message>
    <message>
        <source>Geburtsdatum der zweiten Person</source>
        <translation>Birth date of the second person</translation>
    </message>
    <message>
        <source>Übereinstimmung:</source>
        <translation>Match:</translation>
    </message>
    <message>
        <source>&amp;Gemeinsame kritische Tage:</source>
        <translation>Shared critical &amp;days:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Gemeinsame kritische Tage</source>
        <translation>Shared critical days</translation>
    </message>
    <message>
        <source>Übereinstimmung: %1</source>
        <translation>Match: %1</translation>
    </message>
    <message>
        <source>Gemeinsame kritische Tage bis %1: %2</source>
        <translation>Shared critical days up to %1: %2</translation>
    </message>
    <message>
        <source>Die 32 Tage um den %1; durchgezogen: %2, gestrichelt: %3; physisch rot, seelisch blau, geistig grün.</source>
        <translation>The 32 days around %1; solid: %2, dashed: %3; physical red, emotional blue, intellectual green.</translation>
    </message>
</context>
<context>
    <name>PersonEditor</name>
    <message>
        <source>PERSONEN DATENBANK</source>
        <translation>PEOPLE DATABASE</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Geb.datum:</source>
        <translation>Born:</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Person hinzufügen </source>
        <translation>Add person</translation>
    </message>
    <message>
        <source>Person löschen</source>
        <translation>Delete person</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Person übernehmen</source>
        <translation>Use person</translation>
    </message>
    <message>
        <source>Personen-Datenbank</source>
        <translation>People database</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Geburtsdatum</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>Vorherige oder nächste Person</source>
        <translation>Previous or next person</translation>
    </message>
    <message>
        <source>Vorherige Person</source>
        <translation>Previous person</translation>
    </message>
    <message>
        <source>Nächste Person</source>
        <translation>Next person</translation>
    </message>
    <message>
        <source>Der Name ist länger als %1 Zeichen; das Feld zeigt nur seinen Anfang. Solange Sie ihn nicht ändern, bleibt er vollständig erhalten; nach einer Änderung wird gespeichert, was das Feld zeigt.</source>
        <translation>The name is longer than %1 characters; the field shows only its beginning. As long as you do not change it, it is kept whole; after a change, what the field shows is saved.</translation>
    </message>
    <message>
        <source>Person %1 von %2</source>
        <translation>Person %1 of %2</translation>
    </message>
    <message>
        <source>Keine Einträge</source>
        <translation>No entries</translation>
    </message>
    <message>
        <source>Die Personenliste ist voll: Sie fasst höchstens %1 Personen.</source>
        <translation>The list of people is full: it holds at most %1 people.</translation>
    </message>
    <message>
        <source>Sind Sie sicher, das die Person </source>
        <translation>Are you sure you want to delete the person </translation>
    </message>
    <message>
        <source> gelöscht werden soll ?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Ohne Geburtsdatum kann die Person nicht übernommen werden. Das Hauptfenster bleibt unverändert.</source>
        <translation>A person without a birth date cannot be used. The main window stays as it is.</translation>
    </message>
    <message>
        <source>Nicht übernommen: %1 – DATA.DAT speichert nur westeuropäische Zeichen (Windows-1252) und keine Anführungszeichen.</source>
        <translation>Not taken: %1 – DATA.DAT keeps only Western European characters (Windows-1252) and no quotation marks.</translation>
    </message>
    <message>
        <source>Partnervergleich...</source>
        <translation>Partner comparison...</translation>
    </message>
    <message>
        <source>Ohne Geburtsdatum kann die Person nicht verglichen werden.</source>
        <translation>A person without a birth date cannot be compared.</translation>
    </message>
</context>
<context>
    <name>PersonFile</name>
    <message>
        <source>Lesen über das Dateiende hinaus</source>
        <translation>Reading past the end of the file</translation>
    </message>
    <message>
        <source>»%1« ist keine Zahl</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>Die Zahl %1 liegt außerhalb von -32768 bis 32767</source>
        <translation>The number %1 lies outside -32768 to 32767</translation>
    </message>
    <message>
        <source>%1: %2 (Zeile %3)</source>
        <translation>%1: %2 (line %3)</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MiB; so viel fasst keine Personenliste</source>
        <translation>The file is larger than %1 MiB; no list of people holds that much</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Read error: %1</translation>
    </message>
    <message>
        <source>Die Personenzahl %1 ist ungültig</source>
        <translation>The number of people %1 is not valid</translation>
    </message>
    <message>
        <source>Weiteres Feld nach einem Komma, wo die Zeile enden sollte</source>
        <translation>Another field after a comma where the line should end</translation>
    </message>
    <message>
        <source>Mehr Einträge, als die Personenzahl %1 angibt</source>
        <translation>More entries than the number of people %1 says</translation>
    </message>
    <message>
        <source>%1: Schreibfehler</source>
        <translation>%1: Write error</translation>
    </message>
    <message>
        <source>Zeilenumbruch zwischen Anführungszeichen</source>
        <translation>Line break between quotation marks</translation>
    </message>
    <message>
        <source>Text nach dem schließenden Anführungszeichen</source>
        <translation>Text after the closing quotation mark</translation>
    </message>
    <message>
        <source>Anführungszeichen in einem Text ohne öffnendes Anführungszeichen</source>
        <translation>Quotation mark in a text without an opening quotation mark</translation>
    </message>
    <message>
        <source>%1 wurde nicht gespeichert: Person %2 enthält Zeichen, die die Datei nicht aufnehmen kann. Sie nimmt nur westeuropäische Zeichen (Windows-1252) auf, keine Anführungszeichen und keine Zeilenumbrüche.</source>
        <translation>%1 was not saved: person %2 holds characters the file cannot take. It takes only Western European characters (Windows-1252), no quotation marks and no line breaks.</translation>
    </message>
</context>
<context>
    <name>PersonLookup</name>
    <message>
        <source>Die Person „%1“ ist nicht zu finden: es gibt keine Personenliste %2.</source>
        <translation>The person “%1” cannot be found: there is no list of people %2.</translation>
    </message>
    <message>
        <source>Die Personenliste %1 ist nicht lesbar: %2</source>
        <translation>The list of people %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Personenliste ist nicht lesbar: %1</source>
        <translation>The list of people cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Person „%1“ steht nicht in der Personenliste %2.</source>
        <translation>The person “%1” is not in the list of people %2.</translation>
    </message>
    <message>
        <source>Die Person „%1“ hat kein gültiges Geburtsdatum („%2“) in der Personenliste %3.</source>
        <translation>The person “%1” has no valid birth date (“%2”) in the list of people %3.</translation>
    </message>
</context>
<context>
    <name>PersonStore</name>
    <message>
        <source>%1: Die Datei kann nicht geöffnet werden: %2</source>
        <translation>%1: The file cannot be opened: %2</translation>
    </message>
    <message>
        <source>%1 wurde nicht gespeichert, weil die Sicherungskopie nicht angelegt werden konnte: %2</source>
        <translation>%1 was not saved, because the backup copy could not be made: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 war beschädigt; ihr bisheriger Inhalt ist als %2 aufbewahrt.</source>
        <translation>The file %1 was damaged; what it held before is kept as %2.</translation>
    </message>
    <message>
        <source>%1 Die Personenliste wurde nicht gespeichert, auch nicht als Sicherungskopie: %2</source>
        <translation>%1 The list of people was not saved, not even as a backup copy: %2</translation>
    </message>
    <message>
        <source>%1 Die Personenliste ist stattdessen als %2 gespeichert.</source>
        <translation>%1 The list of people has been saved as %2 instead.</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden und wird darum nicht überschrieben.</source>
        <translation>%1 cannot be read and is therefore not overwritten.</translation>
    </message>
    <message>
        <source>%1 wurde seit dem Laden von einem anderen Programm geändert und wird darum nicht überschrieben.</source>
        <translation>%1 has been changed by another program since it was loaded and is therefore not overwritten.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beim Speichern gekürzt worden und ließ sich nicht wiederherstellen; ihr bisheriger Inhalt ließ sich auch nicht als Sicherungskopie aufbewahren: %2</source>
        <translation>The file %1 was cut short while saving and could not be restored; what it held before could not be kept as a backup copy either: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beim Speichern gekürzt worden und ließ sich nicht wiederherstellen; ihr bisheriger Inhalt ist als %2 aufbewahrt.</source>
        <translation>The file %1 was cut short while saving and could not be restored; what it held before is kept as %2.</translation>
    </message>
</context>
<context>
    <name>PhaseTexts</name>
    <message>
        <source>Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand. Ihr Körper kann heute so geschwächt sein, daß Kopfschmerzen oder sogar eine Migräne auftreten können. Eine chronische Krankheit kann sich heute besonders stark bemerkbar machen. Seien Sie bei allem, was Sie tun, sehr vorsichtig, denn an einem solchen Tag ist auch die Gefahr von Unfällen erhöht.</source>
        <translation>Careful! A critical day for your physical condition. Your body may be weak enough today for headaches or even a migraine. A chronic illness may make itself felt more strongly than usual. Be very careful in all you do, for on a day like this the risk of accidents is higher too.</translation>
    </message>
    <message>
        <source>Ihr körperlicher Zustand wird sich nun von Tag zu Tag verbessern. Jetzt ist eine gute Zeit, sich wieder mehr körperlichen Aktivitäten zuzuwenden, sei es Sport, Wandern oder die Arbeit im Haus. Sie werden sich von Tag zu Tag vitaler und kräftiger fühlen. Klima, Wetterwechsel oder kleinere Verletzungen werden Ihnen in diesen Tagen kaum etwas ausmachen können.</source>
        <translation>Your physical condition will now improve from day to day. This is a good time to turn to physical activity again, be it sport, walking or work about the house. You will feel livelier and stronger each day. Climate, changes in the weather or small injuries will hardly bother you these days.</translation>
    </message>
    <message>
        <source>Heute können Sie Ihr absolutes körperliches Hoch erreichen . Ihre Kraft und Ihre Ausdauer sind heute auf dem besten Stand, und eine Krankheit werden Sie an diesem Tag kaum spüren. Jede körperliche Arbeit geht Ihnen leicht von der Hand, und sportliche Leistungen fallen Ihnen heute nicht schwer. Nutzen Sie diesen Tag also gut, denn so schnell kommt er nicht wieder.</source>
        <translation>Today you may reach your absolute physical high. Your strength and stamina are at their best, and you will hardly feel any illness today. Every physical task comes easily, and sport is no effort for you today. So make good use of this day, for it will not come again so soon.</translation>
    </message>
    <message>
        <source>Ihr körperlicher Zustand ist gut, jedoch wird er nun von Tag zu Tag ein klein wenig geringer. Dies ist aber kein Grund zur Sorge, denn Ihre körperliche Leistungsfähigkeit ist immer noch deutlich im positiven Bereich. Es sind ganz normale Tage, an denen Sie Ihre Arbeit wie gewohnt erledigen können. Sie sollten jedoch vermeiden, Ihre körperlichen Grenzen auszutesten.</source>
        <translation>Your physical condition is good, but from now on it will fall a little from day to day. That is no cause for concern, for your physical fitness is still clearly in the positive range. These are quite normal days on which you can do your work as usual. You should, however, avoid testing your physical limits.</translation>
    </message>
    <message>
        <source>Oh, Oh,  nach guten Tagen kommen auch schlechtere Tage. Ihre körperliche Widerstandskraft nimmt nun von Tag zu Tag ab, und vorhandene Leiden treten stärker in den Vordergrund. Rechnen Sie mit Müdigkeit und einer gewissen Schlappheit. Vermeiden Sie in diesen Tagen große körperliche Anstrengungen und gönnen Sie sich lieber etwas mehr Ruhe.</source>
        <translation>Oh dear, good days are followed by worse ones. Your physical resistance now falls from day to day, and existing ailments come more to the fore. Expect tiredness and a certain lack of energy. Avoid great physical exertion in these days and allow yourself a little more rest instead.</translation>
    </message>
    <message>
        <source>Ihre körperliche Verfassung ist auf dem absoluten Nullpunkt . Kopfschmerzen, Trägheit und Lustlosigkeit sind Ihnen heute gewiß, und jede noch so kleine körperliche Arbeit wird Ihnen zur Qual. Schonen Sie deshalb Ihre Kräfte und nehmen Sie sich für diesen Tag nicht zu viel vor. Trösten Sie sich aber damit, daß es von nun an eigentlich nur noch besser werden kann.</source>
        <translation>Your physical condition is at its lowest point. Headaches, sluggishness and listlessness are sure to trouble you today, and even the smallest physical task becomes a torment. So spare your strength and do not plan too much for this day. Take comfort in knowing that from now on things can only get better.</translation>
    </message>
    <message>
        <source>Ihr körperlicher Zustand ist immer noch in der negativen Phase , jedoch nach Tagen der körperlichen Tiefphase geht es nun wieder langsam, wenn auch nur ein wenig, Tag für Tag aufwärts . Schonen Sie aber weiterhin Ihre Kräfte und vermeiden Sie jede Überanstrengung.</source>
        <translation>Your physical condition is still in its negative phase, but after days at a physical low things are now slowly looking up again, if only a little, day by day. Keep sparing your strength, though, and avoid any overexertion until you are fully back on your feet.</translation>
    </message>
    <message>
        <source>Vorsicht kritischer Tag ! Ihre Stimmung kann heute gedrückt, gereizt und auch verwirrt sein. Kommen dann noch negative Einflüsse von außen hinzu, so kann es leicht zu unkontrollierten Handlungen kommen, die Sie später bereuen. Vermeiden Sie deshalb Hektik und Streß, so gut es nur geht. Auch Konflikte mit Ihrer Umgebung sind an diesem Tag möglich, also bleiben Sie ruhig.</source>
        <translation>Careful, a critical day! Your mood may be low, irritable and even confused today. If negative influences from outside come on top of that, you may easily act without control in ways you later regret. So avoid hurry and stress as far as you can. Conflicts with the people around you are also possible on this day, so stay calm.</translation>
    </message>
    <message>
        <source>Aufgeschlossen und für alle Kontakte offen, so werden Sie diese Tage der positiven seelischen Phase erleben. Ihre Gefühle werden von Tag zu Tag stärker. Sie suchen den Kontakt zu anderen Menschen, sind gefühlsbetont und dabei ausgeglichen. Zeigen Sie ruhig offen Ihre Gefühle, denn das kann Ihnen jetzt nur helfen.</source>
        <translation>Open-minded and ready for every contact: that is how you will live these days of the positive emotional phase. Your feelings grow stronger from day to day. You seek the company of others, you are full of feeling and yet balanced. Show your feelings openly, for that can only help you now.</translation>
    </message>
    <message>
        <source>Das ist der Tage Ihrer absoluten seelischen Hochphase . Sie sind heute äußerst gefühlsbetont, ausgeglichen und rundum zufrieden, Ihre Gefühle wachsen geradezu bis in den Himmel. Sie suchen gefühlsmäßige Bindungen zu anderen Menschen, doch Vorsicht, auf Ihre Mitmenschen können Sie dabei leicht übertrieben, ja sogar ein wenig arrogant wirken.</source>
        <translation>This is the day of your absolute emotional high. You are extremely emotional today, balanced and wholly content; your feelings reach right up to the sky. You seek emotional ties with other people, but take care: to those around you, you may easily seem overdone, even a little arrogant.</translation>
    </message>
    <message>
        <source>Ihre positive seelische Phase fällt jetzt etwas zurück, was nichts negatives bedeutet,eher das sich diese Tage als stabiler darstellen,da die vorhergehende Tage sonst eher übertriebene Gefühle hervor brachten . Es sind daher ideale Tage für soziale Kontakte aller Art. Nutzen Sie Ihr gesteigertes Wahrnehmungsvermögen.</source>
        <translation>Your positive emotional phase now falls back a little. That means nothing bad; rather, these days feel more stable, since the days before tended to bring out exaggerated feelings. So these are ideal days for social contacts of every kind. Make use of your heightened perception.</translation>
    </message>
    <message>
        <source>Unsicherheit ,  Lustlosigkeit und Unausgeglichenheit machen sich breit . Es sind etwas problematische Tage, an denen Sie jedem Streit aus dem Weg gehen sollten. Depressive Neigungen können jetzt in den Vordergrund treten, und auch mit Ihrer Umgebung kann es zu kleineren Konflikten kommen. Nehmen Sie deshalb nicht alles so ernst, auch diese Tage gehen vorüber.</source>
        <translation>Uncertainty, listlessness and imbalance are spreading. These are somewhat difficult days on which you should steer clear of every quarrel. Depressive moods may now come to the fore, and there may be small conflicts with the people around you. So do not take everything so seriously; these days will pass too.</translation>
    </message>
    <message>
        <source>Jetzt hängen Sie ganz daneben, denn Sie sind in seelischer Beziehung ganz im Keller. Heute ist ein Tag der seelischen Krisen. Beschäftigen Sie sich am besten mit einer einfachen Tätigkeit, etwa mit Gartenarbeit oder einem Spaziergang, damit Ihnen erst gar keine Zeit zum Grübeln bleibt.</source>
        <translation>Right now you are quite out of sorts, for emotionally you are at rock bottom. Today is a day of emotional crises. It is best to keep busy with something simple, such as gardening or a walk, so that you have no time to brood in the first place.</translation>
    </message>
    <message>
        <source>Die kommenden Tage werden wieder langsam besser . Ihre Ausgeglichenheit kehrt im Laufe einiger Tage langsam zurück. Grübeln Sie jetzt nicht über den Sinn des Lebens nach, sondern verbringen Sie diese Tage lieber mit belanglosen Dingen, die Ihnen keine Mühe machen.</source>
        <translation>The coming days will slowly get better again. Over the next few days your composure will gradually return. Do not brood over the meaning of life now; spend these days instead on small, everyday things that cost you no effort at all.</translation>
    </message>
    <message>
        <source>Achtung kritischer Tag ! Ihr logisches Denkvermögen und Ihre Konzentration lassen heute sehr zu wünschen übrig, was leicht zu unüberlegten Handlungen führen kann. Treffen Sie an diesem Tag möglichst keine großen Entscheidungen und schließen Sie keine Verträge oder Geschäfte ab. Handeln Sie bei allem mit Bedacht, denn die Gefahr von Unfällen ist heute ganz besonders hoch.</source>
        <translation>Attention, a critical day! Your logical thinking and your concentration leave much to be desired today, which can easily lead to rash actions. If you can, make no big decisions on this day and sign no contracts or deals. Act with care in everything, for the risk of accidents is especially high today.</translation>
    </message>
    <message>
        <source>Ihr geistiges Bewußtsein steigert sich von Tag zu Tag mehr. Es sind ideale Tage für geistige Arbeiten, für Prüfungen, für langfristige Entscheidungen und für komplizierte Aufgaben aller Art. Sie gehen mit logischer Entschlossenheit ans Werk und werden damit in den meisten Fällen auch Erfolg haben. Packen Sie also jetzt an, was Sie schon lange vor sich herschieben.</source>
        <translation>Your mental awareness grows from day to day. These are ideal days for intellectual work, for examinations, for long-term decisions and for complex tasks of every kind. You set to work with logical determination and will succeed in most cases. So tackle now what you have been putting off for a long time.</translation>
    </message>
    <message>
        <source>Dieser Tag beschert Ihnen ein absolutes geistiges Hoch . An solch einem Tag werden Ideen geboren und Erfindungen gemacht. Was Ihnen sonst schwer fällt, durchschauen Sie heute mit Leichtigkeit. Nehmen Sie die Herausforderung an, und der Erfolg wird sich ganz sicher einstellen.</source>
        <translation>This day brings you an absolute intellectual high. On a day like this, ideas are born and inventions made. What you usually find hard, you see through with ease today. Take up the challenge, and success will surely follow.</translation>
    </message>
    <message>
        <source>Sie können weiterhin auf Ihre geistiges Potential zählen . Logik und Neugier sind noch vorhanden, und Sie können Ihre Aufgaben gut bewältigen, doch Ihr Potential wird nun von Tag zu Tag etwas geringer. Nutzen Sie deshalb jeden dieser Tage, denn besser wird es vorerst nicht mehr.</source>
        <translation>You can still count on your intellectual potential. Logic and curiosity are still there, and you can handle your tasks well, but your potential now shrinks a little from day to day. So make use of each of these days, for it will not get better for a while.</translation>
    </message>
    <message>
        <source>Na ja,auch geistige Hochtage gehen mal zu Ende.Sicherlich können Sie noch geistig logische Aufgaben lösen oder Entscheidungen treffen, wohl wird Ihnen dies von Tag zu Tag schwerer fallen. Wird es Ihnen einmal zu schwer, so verschieben Sie die Sache lieber auf einen besseren Tag, an dem Sie wieder klarer denken können.</source>
        <translation>Well, even intellectual highs come to an end some time. You can surely still solve logical problems or make decisions, but it will get harder for you from day to day. If it gets too hard, put the matter off to a better day on which you can think more clearly again.</translation>
    </message>
    <message>
        <source>Absoluter geistiger Tiefpunkt ist erreicht. Heute würden Sie sogar bei der Aufgabe 2x2+2 ins Grübeln kommen und womöglich doch das falsche Ergebnis erhalten. Geistige Arbeit hat an diesem Tag einfach keinen Sinn, oder sie dauert ein Vielfaches der sonst üblichen Zeit. Lassen Sie es also ruhig angehen.</source>
        <translation>Your absolute intellectual low has been reached. Today even the sum 2x2+2 could make you stop and think, and you might still get the wrong answer. Intellectual work simply makes no sense on this day, or it takes many times as long as usual. So take it easy.</translation>
    </message>
    <message>
        <source>Es dauert noch etwas bis Sie Ihr geistiges Potential wieder voll nutzen können, doch jeden Tag wird es etwas besser. Verbringen Sie solche Tage mit Routinearbeiten, die wenig Nachdenken erfordern. Quälen Sie sich nicht mit Dingen herum, die Ihnen an einem besseren Tag leicht fallen werden. Haben Sie noch ein wenig Geduld, bald sind Sie wieder ganz auf der Höhe.</source>
        <translation>It will take a little while before you can use your intellectual potential to the full again, but every day it gets a little better. Spend such days on routine work that needs little thought. Do not struggle with things that will come easily on a better day. Be patient a little longer; soon you will be back on top form.</translation>
    </message>
</context>
<context>
    <name>PrintDayReport</name>
    <message>
        <source>Der Drucker antwortet nicht: Das Drucksystem hat nicht rechtzeitig geantwortet, daher wurde der Tagesbericht nicht gedruckt.

Bitte prüfen Sie, ob der Drucker eingeschaltet und erreichbar ist, und drucken Sie dann erneut.</source>
        <translation>The printer does not answer: the print system did not answer in time, so the day report was not printed.

Please check that the printer is switched on and can be reached, then print again.</translation>
    </message>
    <message>
        <source>Die Druckseite für den Drucker „%1“ konnte nicht angelegt werden. Der Tagesbericht wurde nicht gedruckt.</source>
        <translation>The page for the printer “%1” could not be created. The day report was not printed.</translation>
    </message>
    <message>
        <source>Es ist kein Standarddrucker festgelegt, daher kann der Tagesbericht nicht gedruckt werden.

Bitte legen Sie in den Druckereinstellungen des Systems einen Standarddrucker fest und drucken Sie dann erneut.</source>
        <translation>No default printer is set, so the day report cannot be printed.

Please set a default printer in the system’s printer settings, then print again.</translation>
    </message>
    <message>
        <source>Der Drucker „%1“ kann den Druckauftrag nicht annehmen: %2

Der Tagesbericht wurde nicht gedruckt.</source>
        <translation>The printer “%1” cannot take the print job: %2

The day report was not printed.</translation>
    </message>
    <message>
        <source>Die Druckseite konnte nicht vollständig in den temporären Ordner geschrieben werden und wurde nicht an den Drucker „%1“ geschickt. Der Tagesbericht wurde nicht gedruckt.</source>
        <translation>The page could not be written whole to the temporary folder and was not sent to the printer “%1”. The day report was not printed.</translation>
    </message>
    <message>
        <source>Der Drucker „%1“ hat den Druckauftrag abgelehnt. Der Tagesbericht wurde nicht gedruckt.</source>
        <translation>The printer “%1” refused the print job. The day report was not printed.</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet, daher kann der Tagesbericht nicht gedruckt werden.

Möchten Sie den Tagesbericht stattdessen als PDF-Datei speichern?</source>
        <translation>No printer is set up, so the day report cannot be printed.

Would you like to save the day report as a PDF file instead?</translation>
    </message>
    <message>
        <source>Tagesbericht als PDF-Datei speichern</source>
        <translation>Save the day report as a PDF file</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Der Tagesbericht wurde in der Datei „%1“ gespeichert.</source>
        <translation>The day report has been saved in the file “%1”.</translation>
    </message>
    <message>
        <source>Biorhythmus %1</source>
        <translation>Biorhythmus %1</translation>
    </message>
    <message>
        <source>Die Druckseite für den Drucker „%1“ konnte nicht fertiggestellt werden. Der Druckauftrag wurde abgebrochen; es wurde nichts gedruckt.</source>
        <translation>The page for the printer “%1” could not be finished. The print job was cancelled; nothing was printed.</translation>
    </message>
</context>
<context>
    <name>ProgramLibrary</name>
    <message>
        <source>Die Programmbibliothek %1 lässt sich nicht laden</source>
        <translation>The program library %1 cannot be loaded</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tagesbericht als PDF-Datei speichern …</source>
        <translation>Save the day report as a PDF file …</translation>
    </message>
    <message>
        <source>Dieser Text konnte nicht geladen werden.</source>
        <translation>This text could not be loaded.</translation>
    </message>
    <message>
        <source>Kurzanleitung</source>
        <translation>Quick guide</translation>
    </message>
    <message>
        <source>Nutzungsbedingungen</source>
        <translation>Terms of use</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>Es ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät oder eine Pipe)</source>
        <translation>It is not an ordinary file (but a folder, a device or a pipe)</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>Erinnerungen</source>
        <translation>Reminders</translation>
    </message>
    <message>
        <source>ERINNERUNGEN</source>
        <translation>REMINDERS</translation>
    </message>
    <message>
        <source>Biorhythmus meldet die kritischen Tage von heute und morgen bei jeder Anmeldung und täglich zur gewählten Uhrzeit.</source>
        <translation>Biorhythmus tells of today&apos;s and tomorrow&apos;s critical days at every log-in and daily at the chosen time.</translation>
    </message>
    <message>
        <source>&amp;Personen:</source>
        <translation>&amp;People:</translation>
    </message>
    <message>
        <source>Personen</source>
        <translation>People</translation>
    </message>
    <message>
        <source>&amp;Uhrzeit:</source>
        <translation>&amp;Time:</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>&amp;Einschalten</source>
        <translation>Switch &amp;on</translation>
    </message>
    <message>
        <source>&amp;Ausschalten</source>
        <translation>Switch o&amp;ff</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1, geboren am %2</source>
        <translation>%1, born %2</translation>
    </message>
    <message>
        <source>Geburtsdatum %1</source>
        <translation>Birth date %1</translation>
    </message>
    <message>
        <source>Bitte wählen Sie mindestens eine Person, an deren kritische Tage erinnert werden soll.</source>
        <translation>Please choose at least one person whose critical days you want to be reminded of.</translation>
    </message>
    <message>
        <source>Die Erinnerung ist ausgeschaltet.</source>
        <translation>The reminder is off.</translation>
    </message>
    <message>
        <source>Die Erinnerung ist eingeschaltet: bei jeder Anmeldung und täglich um %1.</source>
        <translation>The reminder is on: at every log-in and daily at %1.</translation>
    </message>
    <message>
        <source>Die Erinnerung ist eingeschaltet: bei jeder Anmeldung.</source>
        <translation>The reminder is on: at every log-in.</translation>
    </message>
    <message>
        <source>Zur Uhrzeit erinnert nur ein systemd-Benutzerdienst, und der läuft hier nicht.</source>
        <translation>Only a systemd user manager reminds at a time of day, and none runs here.</translation>
    </message>
</context>
<context>
    <name>ReminderEntries</name>
    <message>
        <source>Biorhythmus: kritische Tage melden</source>
        <translation>Biorhythmus: tell of critical days</translation>
    </message>
    <message>
        <source>Meldet die kritischen Tage von heute und morgen auf dem Desktop.</source>
        <translation>Tells of today&apos;s and tomorrow&apos;s critical days on the desktop.</translation>
    </message>
    <message>
        <source>Biorhythmus: kritische Tage täglich um %1 melden</source>
        <translation>Biorhythmus: tell of critical days daily at %1</translation>
    </message>
</context>
<context>
    <name>ReminderOptions</name>
    <message>
        <source>--alarm und --alarm-before schließen einander aus.</source>
        <translation>--alarm and --alarm-before exclude each other.</translation>
    </message>
    <message>
        <source>--%1 gilt nur mit --ics.</source>
        <translation>--%1 applies only with --ics.</translation>
    </message>
    <message>
        <source>--%1 erwartet eine Uhrzeit als HH:MM, nicht „%2“.</source>
        <translation>--%1 expects a time of day as HH:MM, not “%2”.</translation>
    </message>
    <message>
        <source>--notify und --%1 schließen einander aus.</source>
        <translation>--notify and --%1 exclude each other.</translation>
    </message>
</context>
<context>
    <name>ReminderSwitch</name>
    <message>
        <source>Die Datei %1 lässt sich nicht entfernen</source>
        <translation>The file %1 cannot be removed</translation>
    </message>
</context>
<context>
    <name>RuntimeFolder</name>
    <message>
        <source>ist nicht vorhanden</source>
        <translation>does not exist</translation>
    </message>
    <message>
        <source>ist kein Ordner</source>
        <translation>is not a folder</translation>
    </message>
    <message>
        <source>gehört einem anderen Benutzer</source>
        <translation>belongs to another user</translation>
    </message>
    <message>
        <source>ist auch für andere beschreibbar</source>
        <translation>can be written by others too</translation>
    </message>
    <message>
        <source>ist nicht beschreibbar</source>
        <translation>cannot be written to</translation>
    </message>
    <message>
        <source>ist kein absoluter Pfad</source>
        <translation>is not an absolute path</translation>
    </message>
    <message>
        <source>hat einen zu langen Pfad: der Socket %1 hätte %2 Bytes, höchstens %3 sind möglich</source>
        <translation>has too long a path: the socket %1 would have %2 bytes, at most %3 are possible</translation>
    </message>
    <message>
        <source>%1 Biorhythmus merkt sich darum in %2, dass es läuft.</source>
        <translation>%1 Biorhythmus therefore notes in %2 that it is running.</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>Der Dateiname ist zu lang. Hier sind höchstens %1 Zeichen erlaubt (Umlaute zählen doppelt); bitte wählen Sie einen kürzeren Namen.</source>
        <translation>The file name is too long. At most %1 characters are allowed here (accented letters count twice); please choose a shorter name.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Es fehlt ein Ordner nur für Sie, in dem sich Biorhythmus merkt, dass es schon läuft:
%1</source>
        <translation>There is no folder of your own in which Biorhythmus can note that it is already running:
%1</translation>
    </message>
    <message>
        <source>Die Startsperre %1 ließ sich nicht übernehmen.</source>
        <translation>The start lock %1 could not be taken over.</translation>
    </message>
    <message>
        <source>Am Socket %1 lässt sich nicht horchen: %2</source>
        <translation>Cannot listen on the socket %1: %2</translation>
    </message>
    <message>
        <source>Biorhythmus läuft schon (Prozess %1), antwortet aber nicht. Versuchen Sie es gleich noch einmal.</source>
        <translation>Biorhythmus is already running (process %1) but does not answer. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>StartRefusal</name>
    <message>
        <source>Biorhythmus kann nicht starten. %1</source>
        <translation>Biorhythmus cannot start. %1</translation>
    </message>
</context>
<context>
    <name>Stepper</name>
    <message>
        <source>Einen Schritt zurück</source>
        <translation>One step back</translation>
    </message>
    <message>
        <source>Einen Schritt vor</source>
        <translation>One step on</translation>
    </message>
</context>
<context>
    <name>SystemPrinterService</name>
    <message>
        <source>Der Drucker ist nicht mehr vorhanden.</source>
        <translation>The printer is no longer there.</translation>
    </message>
    <message>
        <source>Der Drucker ist angehalten oder meldet einen Fehler.</source>
        <translation>The printer is paused or reports an error.</translation>
    </message>
    <message>
        <source>%1 von %2 Bytes geschrieben</source>
        <translation>%1 of %2 bytes written</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Der Vorgang ist nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Das Dateisystem ist schreibgeschützt</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist kein Platz mehr</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Die Datei oder der Ordner existiert nicht</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Ein Teil des Pfads ist kein Ordner</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Es ist ein Ordner</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Ungültiges Argument</source>
        <translation>Invalid argument</translation>
    </message>
</context>
<context>
    <name>TodayCalendar</name>
    <message>
        <source>Heute: %1</source>
        <translation>Today: %1</translation>
    </message>
</context>
<context>
    <name>UserManager</name>
    <message>
        <source>„systemctl --user %1“ ist nicht gelungen</source>
        <translation>“systemctl --user %1” did not succeed</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1: Die Datei kann nicht angelegt werden</source>
        <translation>%1: The file cannot be created</translation>
    </message>
    <message>
        <source>%1: Die Datei kann nicht geschrieben werden</source>
        <translation>%1: The file cannot be written</translation>
    </message>
    <message>
        <source>%1: Die Datei wird nicht ersetzt, denn die neue gehörte nicht mehr demselben Benutzer und derselben Gruppe wie die alte</source>
        <translation>%1: The file is not replaced, as the new one would no longer belong to the same user and group as the old one</translation>
    </message>
    <message>
        <source>Unter dem Namen liegt ein Ordner, ein Laufwerk oder ein Socket; er wird nicht ersetzt</source>
        <translation>A folder, a disk or a socket lies under that name; it is not replaced</translation>
    </message>
    <message>
        <source>Die Standardausgabe lässt sich nicht schreiben</source>
        <translation>Standard output cannot be written</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Das Fenster braucht eine grafische Oberfläche (X11 oder Wayland), aber DISPLAY und WAYLAND_DISPLAY nennen keine. Auf der Befehlszeile rechnet Biorhythmus ohne Fenster, etwa „biorhythmus --birth 20.11.1953“; „biorhythmus --help“ zeigt alle Optionen.</source>
        <translation>The window needs a graphical desktop (X11 or Wayland), but neither DISPLAY nor WAYLAND_DISPLAY names one. On the command line Biorhythmus works without a window, for example “biorhythmus --birth 20.11.1953”; “biorhythmus --help” lists all options.</translation>
    </message>
</context>
</TS>
