#pragma once

#include "core/Outcome.h"

#include <QString>

class PersonList;
class QIODevice;

// The byte format of DATA.DAT, kept for compatibility with files written by earlier versions:
// Windows-1252 text, CR LF after every line, the line "PersonCount,CurrentPerson", then per
// person the name and the birth text, each on its own line between double quotes without any
// escaping. One person "Anna" born 08.11.1999 gives 1,1 / "Anna" / "08.11.1999".
namespace PersonFile {

inline constexpr const char* FileName = "DATA.DAT";

// The most bytes a file is read to. A full list of 32767 persons whose names fill the editor's
// name field (32767 characters) and whose birth texts are dates takes about 1 GiB.
inline constexpr qint64 MaxFileSize = qint64(2) << 30;

// A device's bytes up to its end, its first read error or MaxFileSize.
struct Contents {
    QByteArray bytes;
    UserText readError; // empty when the end was reached without error
    bool complete() const { return readError.isEmpty(); }
};

// Reads the device's bytes; a device that announces or delivers more than MaxFileSize bytes
// gives a readError (in the interface's language, without the file name) and is not read further.
Contents readAll(QIODevice& device);

// The file at path as found on disk: only an ordinary file is read (see RegularFile), never
// more than MaxFileSize bytes.
struct OnDisk {
    bool exists = false; // something, or a link to something, lies under the name
    // Worked when it was an ordinary file and could be opened; contents then holds it.
    // Otherwise why not, without the file name.
    Outcome opening;
    Contents contents;
};
OnDisk readFile(const QString& path);

// Reads the list from the device. The device is read as a sequence of fields separated by
// commas or line ends; a field that begins with a double quote ends at the next double quote,
// and the two numbers of the first line are signed 16-bit integers.
//
// A failure's sentence names the file and the line ("DATA.DAT: Lesen über das Dateiende
// hinaus (Zeile 7)"), and what was read before stays:
// a failure in the first line leaves the list untouched; after it the list holds the announced
// number of persons, those not yet read with empty texts. Storage never exceeds the announced
// count, which is at most 32767.
//
// A file whose bytes do not all find their way into the list is read the same way but not
// cleanly: a field after a comma where a line should end ("Anna","Zusatz" or 1,1,9), text
// after a closing quote ("Anna "die Große"", read as "Anna "), a quote in a text that did not
// open with one (Anna", read as Anna), a line break inside quotes (taken out), or anything
// after the announced persons, makes it a failure with the line of the first such place, so
// the file is kept before it is overwritten. Whatever is read, the list's texts hold only
// characters the file holds (see holds()), so that the list is written back as it was read.
Outcome read(QIODevice& device, PersonList& list,
             const QString& fileName = QLatin1String(FileName));

// read() on bytes already taken from a device.
Outcome parse(const Contents& contents, PersonList& list,
              const QString& fileName = QLatin1String(FileName));

// True when a text of the file can hold the character: one of Windows-1252 other than the
// double quote, which would end the text, and the line ends. Only such texts are read back
// as they were written.
bool holds(QChar c);

// A failure naming the first person with a text the file cannot hold; nothing is to be written
// then, since the file would not give the list back.
Outcome checkHeld(const PersonList& list, const QString& fileName = QLatin1String(FileName));

// The bytes of the file for a list that checkHeld() lets through. (Characters that
// Windows-1252 cannot hold would become '?'.)
QByteArray bytes(const PersonList& list);

// Writes the file's bytes to the device, unless checkHeld() refuses the list; a write
// failure's sentence names the file and its detail is the device's errorString().
Outcome write(QIODevice& device, const PersonList& list,
              const QString& fileName = QLatin1String(FileName));

} // namespace PersonFile
