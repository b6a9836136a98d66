#include "PersonFile.h"

#include "core/PersonList.h"
#include "core/RegularFile.h"
#include "core/SystemReason.h"
#include "core/WholeFile.h"
#include "core/Windows1252.h"

#include <QFile>
#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace {

// A signed 16-bit decimal number: an optional sign and digits, nothing else.
std::optional<int> parseInt16(QByteArrayView text) {
    const qsizetype signLength = text.startsWith('-') || text.startsWith('+') ? 1 : 0;
    QByteArrayView digits = text.sliced(signLength);
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    while (digits.size() > 1 && digits.front() == '0')
        digits = digits.sliced(1);
    if (digits.size() > 5)
        return 100000; // out of range whatever its sign
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return text.startsWith('-') ? -value : value;
}

// Where the byte first occurs in the text at or after from, or -1. memchr directly: on the
// short texts of a person file, the general search behind QByteArrayView::indexOf and
// contains() costs more than the scan itself.
qsizetype indexOfByte(QByteArrayView text, char byte, qsizetype from = 0) {
    const void* found = std::memchr(text.data() + from, byte, size_t(text.size() - from));
    return found ? static_cast<const char*>(found) - text.data() : -1;
}

bool isSeparator(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// Cuts the file's bytes into fields, counting lines. A read error is met where the bytes run
// out, the place where reading the next byte failed, so what lies before it is read as usual.
class FieldReader {
public:
    explicit FieldReader(const PersonFile::Contents& input) : m_input(input) {}

    int line() const { return m_line; }
    const UserText& failure() const { return m_failure; }
    // True when the last field ended at a comma rather than at a line end or the end.
    bool endedAtComma() const { return m_lastSeparator == ','; }

    // The first place where the file was read but not cleanly: the line, and why.
    struct Unclean {
        int line;
        UserText reason;
    };
    const std::optional<Unclean>& unclean() const { return m_unclean; }
    void noteUnclean(int line, const UserText& reason) {
        if (!m_unclean)
            m_unclean = Unclean{line, reason};
    }

    // The line of the next byte that is not a blank or a line end, if there is one.
    std::optional<int> lineOfMore() {
        const QByteArrayView data = m_input.bytes;
        while (m_pos < data.size() && (data[m_pos] == ' ' || data[m_pos] == '\t' ||
                                       data[m_pos] == '\r' || data[m_pos] == '\n'))
            takeSeparator();
        if (m_pos < data.size())
            return m_line;
        return std::nullopt;
    }

    // The next field's bytes, valid as long as the reader; nullopt with failure() set when
    // there is none.
    std::optional<QByteArrayView> field() {
        const QByteArrayView data = m_input.bytes;
        while (m_pos < data.size() && (data[m_pos] == ' ' || data[m_pos] == '\t'))
            ++m_pos;
        if (atEnd())
            return fail(endOfFile());
        QByteArrayView value;
        if (data[m_pos] == '"') {
            const qsizetype close = indexOfByte(data, '"', m_pos + 1);
            value = data.sliced(m_pos + 1, (close < 0 ? data.size() : close) - m_pos - 1);
            if (const int ends = lineEnds(value)) {
                noteUnclean(m_line, UserText("PersonFile",
                                             QT_TRANSLATE_NOOP(
                                                 "PersonFile",
                                                 "Zeilenumbruch zwischen Anführungszeichen")));
                m_line += ends;
            }
            if (close < 0) {
                m_pos = data.size();
                atEnd();
                return fail(endOfFile());
            }
            // What stands between the closing quote and the next separator is dropped; unless
            // it is blanks, the text was cut short (an inner quote, as in "Anna "die Große"").
            moveToSeparator(close + 1);
            const QByteArrayView rest = data.sliced(close + 1, m_pos - close - 1);
            if (!std::all_of(rest.begin(), rest.end(),
                             [](char c) { return c == ' ' || c == '\t'; }))
                noteUnclean(m_line, UserText("PersonFile",
                                             QT_TRANSLATE_NOOP(
                                                 "PersonFile",
                                                 "Text nach dem schließenden Anführungszeichen")));
        } else {
            const qsizetype start = m_pos;
            moveToSeparator(start);
            value = data.sliced(start, m_pos - start);
            while (value.endsWith(' ') || value.endsWith('\t'))
                value.chop(1);
            // A text that did not open with a quote cannot be written back as it was read.
            if (indexOfByte(value, '"') >= 0)
                noteUnclean(
                    m_line,
                    UserText("PersonFile",
                             QT_TRANSLATE_NOOP("PersonFile", "Anführungszeichen in einem Text ohne "
                                                             "öffnendes Anführungszeichen")));
        }
        takeSeparator();
        if (!m_failure.isEmpty())
            return std::nullopt;
        return value;
    }

    // The next field as a signed 16-bit number.
    std::optional<int> number() {
        const int startLine = m_line;
        const auto text = field();
        if (!text)
            return std::nullopt;
        const auto value = parseInt16(*text);
        const QString shown = decodeWindows1252(text->first(std::min<qsizetype>(text->size(), 20)));
        if (!value) {
            m_line = startLine;
            return fail(
                UserText("PersonFile", QT_TRANSLATE_NOOP("PersonFile", "»%1« ist keine Zahl"))
                    .arg(shown));
        }
        if (*value < -32768 || *value > 32767) {
            m_line = startLine;
            return fail(
                UserText("PersonFile",
                         QT_TRANSLATE_NOOP("PersonFile",
                                           "Die Zahl %1 liegt außerhalb von -32768 bis 32767"))
                    .arg(shown));
        }
        return value;
    }

private:
    static UserText endOfFile() {
        return UserText("PersonFile",
                        QT_TRANSLATE_NOOP("PersonFile", "Lesen über das Dateiende hinaus"));
    }

    std::nullopt_t fail(const UserText& reason) {
        if (m_failure.isEmpty())
            m_failure = reason;
        return std::nullopt;
    }

    // True when no byte is left; a read error becomes the failure the first time the reader
    // looks past the last byte.
    bool atEnd() {
        if (m_pos < m_input.bytes.size())
            return false;
        if (!m_input.complete())
            fail(m_input.readError);
        return true;
    }

    // Moves to the first separator from pos on, or to the end.
    void moveToSeparator(qsizetype pos) {
        const QByteArrayView data = m_input.bytes;
        m_pos = std::find_if(data.begin() + pos, data.end(), isSeparator) - data.begin();
        atEnd();
    }

    // A line ends with CR LF, or with a lone CR or LF; a CR as the last byte of a quoted text
    // is followed by the closing quote or by nothing.
    static int lineEnds(QByteArrayView text) {
        if (indexOfByte(text, '\n') < 0 && indexOfByte(text, '\r') < 0)
            return 0;
        int count = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == '\n' ||
                (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
                ++count;
        }
        return count;
    }

    void takeSeparator() {
        m_lastSeparator = 0;
        if (atEnd())
            return;
        const char c = m_input.bytes[m_pos++];
        m_lastSeparator = c;
        if (c == '\r' && !atEnd() && m_input.bytes[m_pos] == '\n')
            ++m_pos;
        if ((c == '\r' || c == '\n') && m_failure.isEmpty())
            ++m_line;
    }

    const PersonFile::Contents& m_input;
    char m_lastSeparator = 0;
    qsizetype m_pos = 0;
    int m_line = 1;
    UserText m_failure;
    std::optional<Unclean> m_unclean;
};

// A field's text as the list holds it. The reader has noted a quote or a line end inside a
// field as unclean; they are taken out, as the editor takes them out of what is typed, so
// that whatever the list holds is written back as it was read.
QString textOf(QByteArrayView field) {
    QString text = decodeWindows1252(field);
    if (indexOfByte(field, '"') >= 0 || indexOfByte(field, '\r') >= 0 ||
        indexOfByte(field, '\n') >= 0)
        text.removeIf([](QChar c) { return !PersonFile::holds(c); });
    return text;
}

Outcome describe(const QString& fileName, const UserText& reason, int line) {
    return Outcome::failure(
        UserText("PersonFile", QT_TRANSLATE_NOOP("PersonFile", "%1: %2 (Zeile %3)"))
            .arg(fileName)
            .arg(reason)
            .arg(line));
}

} // namespace

namespace PersonFile {

Contents readAll(QIODevice& device) {
    Contents result;
    QByteArray& bytes = result.bytes;
    const auto tooLarge = [&result] {
        result.bytes.clear();
        result.readError =
            UserText("PersonFile",
                     QT_TRANSLATE_NOOP(
                         "PersonFile",
                         "Die Datei ist größer als %1 MiB; so viel fasst keine Personenliste"))
                .arg(MaxFileSize >> 20);
        return result;
    };
    if (device.bytesAvailable() > MaxFileSize)
        return tooLarge();
    // Room for what the device says it holds; what follows beyond it is appended as it comes,
    // read in pieces no smaller than QIODevice's own buffer (16 KiB), which such reads bypass.
    bytes.resize(std::max<qint64>(device.bytesAvailable(), 0));
    qsizetype size = 0;
    std::array<char, 16 * 1024> more;
    for (;;) {
        const bool full = size == bytes.size();
        const qint64 got = full ? device.read(more.data(), more.size())
                                : device.read(bytes.data() + size, bytes.size() - size);
        if (got < 0)
            result.readError =
                UserText("PersonFile", QT_TRANSLATE_NOOP("PersonFile", "Lesefehler: %1"))
                    .arg(systemReasonIn(device.errorString()));
        if (got <= 0)
            break;
        if (full)
            bytes.append(more.data(), got);
        size += got;
        if (size > MaxFileSize)
            return tooLarge();
    }
    bytes.resize(size);
    return result;
}

OnDisk readFile(const QString& path) {
    OnDisk result;
    QFile file;
    result.opening = RegularFile::open(path, file, &result.exists);
    if (result.opening.worked())
        result.contents = readAll(file);
    return result;
}

Outcome read(QIODevice& device, PersonList& list, const QString& fileName) {
    return parse(readAll(device), list, fileName);
}

Outcome parse(const Contents& contents, PersonList& list, const QString& fileName) {
    FieldReader reader(contents);
    const auto report = [&](const UserText& reason, int line) {
        return describe(fileName, reason, line);
    };

    // The count and the current person are taken together, so that the list never holds a
    // count that does not match its persons.
    const int countLine = reader.line();
    const auto count = reader.number();
    if (!count)
        return report(reader.failure(), reader.line());
    const auto current = reader.number();
    if (!current)
        return report(reader.failure(), reader.line());
    if (*count < 0)
        return report(UserText("PersonFile",
                               QT_TRANSLATE_NOOP("PersonFile", "Die Personenzahl %1 ist ungültig"))
                          .arg(*count),
                      countLine);

    // A field where a line should have ended; reading goes on as before.
    const auto noteComma = [&] {
        if (reader.endedAtComma())
            reader.noteUnclean(
                reader.line(),
                UserText("PersonFile",
                         QT_TRANSLATE_NOOP(
                             "PersonFile",
                             "Weiteres Feld nach einem Komma, wo die Zeile enden sollte")));
    };
    noteComma();
    list.recreate(*count);
    list.setCurrentPerson(*current);
    for (int i = 1; i <= *count; ++i) {
        Person& person = list.person(i);
        const auto name = reader.field();
        if (!name)
            return report(reader.failure(), reader.line());
        person.Name = textOf(*name);
        noteComma();
        const auto birth = reader.field();
        if (!birth)
            return report(reader.failure(), reader.line());
        person.BirthDate = textOf(*birth);
        noteComma();
    }
    if (const auto& unclean = reader.unclean())
        return report(unclean->reason, unclean->line);
    if (const auto more = reader.lineOfMore())
        return report(UserText("PersonFile",
                               QT_TRANSLATE_NOOP("PersonFile",
                                                 "Mehr Einträge, als die Personenzahl %1 angibt"))
                          .arg(*count),
                      *more);
    return Outcome();
}

bool holds(QChar c) {
    return c != u'"' && c != u'\r' && c != u'\n' && isWindows1252(c);
}

Outcome checkHeld(const PersonList& list, const QString& fileName) {
    const auto held = [](const QString& text) {
        return std::all_of(text.begin(), text.end(), holds);
    };
    for (int i = 1; i <= list.personCount(); ++i) {
        const Person& person = list.person(i);
        if (!held(person.Name) || !held(person.BirthDate))
            return Outcome::failure(
                UserText("PersonFile",
                         QT_TRANSLATE_NOOP("PersonFile",
                                           "%1 wurde nicht gespeichert: Person %2 enthält "
                                           "Zeichen, die die Datei nicht aufnehmen kann. Sie "
                                           "nimmt nur westeuropäische Zeichen (Windows-1252) "
                                           "auf, keine Anführungszeichen und keine "
                                           "Zeilenumbrüche."))
                    .arg(fileName)
                    .arg(i));
    }
    return Outcome();
}

QByteArray bytes(const PersonList& list) {
    const QByteArray head = QByteArray::number(list.personCount()) + ',' +
                            QByteArray::number(list.currentPerson()) + "\r\n";
    // Every UTF-16 unit becomes one byte; each text adds two quotes and CR LF.
    qsizetype size = head.size();
    for (int i = 1; i <= list.personCount(); ++i)
        size += list.person(i).Name.size() + list.person(i).BirthDate.size() + 2 * 4;

    QByteArray out(size, Qt::Uninitialized);
    char* end = std::copy(head.begin(), head.end(), out.data());
    const auto writeLine = [&end](const QString& text) {
        *end++ = '"';
        end = encodeWindows1252(text, end);
        end = std::copy_n("\"\r\n", 3, end);
    };
    for (int i = 1; i <= list.personCount(); ++i) {
        writeLine(list.person(i).Name);
        writeLine(list.person(i).BirthDate);
    }
    Q_ASSERT(end == out.data() + out.size());
    return out;
}

Outcome write(QIODevice& device, const PersonList& list, const QString& fileName) {
    if (Outcome held = checkHeld(list, fileName); !held.worked())
        return held;
    const Outcome written = writeAll(device, bytes(list));
    if (written.worked())
        return written;
    return Outcome::failure(
        UserText("PersonFile", QT_TRANSLATE_NOOP("PersonFile", "%1: Schreibfehler")).arg(fileName),
        written);
}

} // namespace PersonFile
