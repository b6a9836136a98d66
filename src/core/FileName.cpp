#include "FileName.h"

namespace {
constexpr char16_t KeptByteBase = 0xDC00; // a kept byte b is the code unit 0xDC00 + b

// The length of the well-formed UTF-8 sequence at bytes[at] (RFC 3629: no overlong forms, no
// surrogates, nothing past U+10FFFF), or 0 where none starts. A surrogate must not be taken
// as valid, or its code unit would come back as a kept byte.
int sequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? quint8(bytes[i]) : 0u; };
    const quint8 lead = byte(at);
    int length = 0;
    quint8 low = 0x80, high = 0xBF; // the range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

// A low surrogate after a high one is half of a character beyond U+FFFF, not a kept byte.
bool isKeptByte(const QString& name, qsizetype i) {
    const char16_t unit = name[i].unicode();
    return unit >= KeptByteBase + 0x80 && unit <= KeptByteBase + 0xFF &&
           !(i > 0 && name[i - 1].isHighSurrogate());
}
} // namespace

QString fileNameFromBytes(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = sequenceLength(bytes, at);
        if (length == 0) {
            name += QChar(char16_t(KeptByteBase + quint8(bytes[at])));
            ++at;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + at, length);
        at += length;
    }
    return name;
}

QByteArray fileNameBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype plain = 0; // the start of the run of text not yet turned into bytes
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isKeptByte(name, i))
            continue;
        bytes += QStringView(name).sliced(plain, i - plain).toUtf8();
        if (i < name.size())
            bytes += char(name[i].unicode() - KeptByteBase);
        plain = i + 1;
    }
    return bytes;
}
