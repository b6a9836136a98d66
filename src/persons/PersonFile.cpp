#include "PersonFile.h"

#include "PersonList.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QIODevice>
#include <algorithm>
#include <optional>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PersonFile", text);
}

// A signed 16-bit decimal number: an optional sign and digits, nothing else.
std::optional<int> parseInt16(const QByteArray& text) {
    const qsizetype signLength = text.startsWith('-') || text.startsWith('+') ? 1 : 0;
    QByteArrayView digits = QByteArrayView(text).sliced(signLength);
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

// Reads the file's fields through a small buffer, counting lines.
class FieldReader {
public:
    explicit FieldReader(QIODevice& device) : m_device(device) {}

    int line() const { return m_line; }
    const QString& failure() const { return m_failure; }

    // The next field's bytes; nullopt with failure() set when there is none.
    std::optional<QByteArray> field() {
        skipBlanks();
        if (peek() < 0)
            return fail(tr("Lesen über das Dateiende hinaus"));
        QByteArray value;
        if (peek() == '"') {
            take();
            for (int c = take(); c != '"'; c = take()) {
                if (c < 0)
                    return fail(tr("Lesen über das Dateiende hinaus"));
                countLineEnd(c);
                value.append(static_cast<char>(c));
            }
            // What stands between the closing quote and the next separator is dropped.
            while (!atSeparator())
                take();
        } else {
            while (!atSeparator())
                value.append(static_cast<char>(take()));
            while (value.endsWith(' ') || value.endsWith('\t'))
                value.chop(1);
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
        const QString shown = decodeWindows1252(text->left(20));
        if (!value) {
            m_line = startLine;
            return fail(tr("»%1« ist keine Zahl").arg(shown));
        }
        if (*value < -32768 || *value > 32767) {
            m_line = startLine;
            return fail(tr("Die Zahl %1 liegt außerhalb von -32768 bis 32767").arg(shown));
        }
        return value;
    }

private:
    std::nullopt_t fail(const QString& reason) {
        if (m_failure.isEmpty())
            m_failure = reason;
        return std::nullopt;
    }

    int peek() {
        if (m_pos == m_buffer.size() && !refill())
            return -1;
        return static_cast<unsigned char>(m_buffer[m_pos]);
    }

    int take() {
        const int c = peek();
        if (c >= 0)
            ++m_pos;
        return c;
    }

    bool refill() {
        if (m_end)
            return false;
        constexpr qint64 Chunk = 64 * 1024;
        m_buffer.resize(Chunk);
        const qint64 got = m_device.read(m_buffer.data(), Chunk);
        m_pos = 0;
        if (got <= 0) {
            m_buffer.clear();
            m_end = true;
            if (got < 0)
                fail(tr("Lesefehler: %1").arg(m_device.errorString()));
            return false;
        }
        m_buffer.resize(got);
        return true;
    }

    void skipBlanks() {
        while (peek() == ' ' || peek() == '\t')
            take();
    }

    bool atSeparator() {
        const int c = peek();
        return c < 0 || c == ',' || c == '\r' || c == '\n';
    }

    // A line ends with CR LF, or with a lone CR or LF.
    void countLineEnd(int c) {
        if (c == '\n' || (c == '\r' && peek() != '\n'))
            ++m_line;
    }

    void takeSeparator() {
        const int c = take();
        if (c == '\r' && peek() == '\n')
            take();
        if ((c == '\r' || c == '\n') && m_failure.isEmpty())
            ++m_line;
    }

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_end = false;
    int m_line = 1;
    QString m_failure;
};

QString describe(const QString& fileName, const QString& reason, int line) {
    return tr("%1: %2 (Zeile %3)").arg(fileName, reason).arg(line);
}

} // namespace

namespace PersonFile {

bool read(QIODevice& device, PersonList& list, QString* error, const QString& fileName) {
    FieldReader reader(device);
    const auto report = [&](const QString& reason, int line) {
        if (error)
            *error = describe(fileName, reason, line);
        return false;
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
        return report(tr("Die Personenzahl %1 ist ungültig").arg(*count), countLine);

    list.recreate(*count);
    list.setCurrentPerson(*current);
    for (int i = 1; i <= *count; ++i) {
        Person& person = list.person(i);
        const auto name = reader.field();
        if (!name)
            return report(reader.failure(), reader.line());
        person.Name = decodeWindows1252(*name);
        const auto birth = reader.field();
        if (!birth)
            return report(reader.failure(), reader.line());
        person.BirthDate = decodeWindows1252(*birth);
    }
    return true;
}

QByteArray bytes(const PersonList& list) {
    QByteArray out = QByteArray::number(list.personCount()) + ',' +
                     QByteArray::number(list.currentPerson()) + "\r\n";
    for (int i = 1; i <= list.personCount(); ++i) {
        const Person& person = list.person(i);
        out += '"' + encodeWindows1252(person.Name) + "\"\r\n";
        out += '"' + encodeWindows1252(person.BirthDate) + "\"\r\n";
    }
    return out;
}

bool write(QIODevice& device, const PersonList& list, QString* error, const QString& fileName) {
    const QByteArray data = bytes(list);
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = device.write(data.constData() + done, data.size() - done);
        if (written <= 0) {
            if (error)
                *error = tr("%1: Schreibfehler: %2").arg(fileName, device.errorString());
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace PersonFile
