#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {
// Bytes 0x80 to 0x9F; the other bytes are their own code points.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isHigh(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x80 && b < 0xA0;
}

// Where the code page agrees with Latin-1: the character is its own byte.
bool isOwnByte(QChar c) {
    return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
}

// The byte for a character, or -1.
int byteFor(char16_t c) {
    if (isOwnByte(c))
        return c;
    for (std::size_t i = 0; i < High.size(); ++i) {
        if (High[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

// A 16-bit lane holds a character that is not its own byte when its high byte is set, or when
// its low byte reads 100xxxxx (0x80 to 0x9F): x & ~(x << 1) & ~(x << 2) keeps bit 7 of a lane
// exactly when its bits 7, 6 and 5 read 1, 0, 0. The same holds for 8-bit lanes. Lanes keep
// their values whatever the byte order, so these tests run four or eight at a time.
constexpr quint64 pattern100(quint64 x) {
    return x & ~(x << 1) & ~(x << 2);
}

bool anyHigh(QByteArrayView bytes) {
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 x = 0;
        std::memcpy(&x, bytes.data() + i, sizeof x);
        if ((pattern100(x) & 0x8080808080808080) != 0)
            return true;
    }
    return std::any_of(bytes.begin() + i, bytes.end(), isHigh);
}

char* encodeEach(QStringView text, char* out) {
    return std::transform(text.begin(), text.end(), out, [](QChar c) {
        const int b = byteFor(c.unicode());
        return b < 0 ? '?' : static_cast<char>(b);
    });
}
} // namespace

// Text without bytes 0x80 to 0x9F, the common case, goes through Qt's Latin-1 conversion.
QString decodeWindows1252(QByteArrayView bytes) {
    if (!anyHigh(bytes))
        return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.data(), [](char byte) {
        const auto b = static_cast<unsigned char>(byte);
        return QChar(isHigh(byte) ? High[b - 0x80] : char16_t(b));
    });
    return text;
}

char* encodeWindows1252(QStringView text, char* out) {
    qsizetype i = 0;
    for (; i + 4 <= text.size(); i += 4) {
        quint64 x = 0;
        std::memcpy(&x, text.data() + i, sizeof x);
        if (((x & 0xFF00FF00FF00FF00) | (pattern100(x) & 0x0080008000800080)) != 0) {
            out = encodeEach(text.sliced(i, 4), out);
            continue;
        }
        // Four own bytes: the low bytes of the four lanes side by side, in the lanes' order.
        const quint64 pairs = x | (x >> 8);
        const auto four = static_cast<quint32>((pairs & 0xFFFF) | ((pairs >> 16) & 0xFFFF0000));
        std::memcpy(out, &four, sizeof four);
        out += sizeof four;
    }
    return encodeEach(text.sliced(i), out);
}

bool isWindows1252(QChar c) {
    return byteFor(c.unicode()) >= 0;
}
