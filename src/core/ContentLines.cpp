#include "ContentLines.h"

namespace {
constexpr qsizetype MaxOctets = 75;

bool continuesCharacter(char octet) {
    return (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
}
} // namespace

QString escapedText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\\') || ch == QLatin1Char(';') || ch == QLatin1Char(','))
            escaped += QLatin1Char('\\') + ch;
        else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            escaped += QLatin1String("\\n");
            if (ch == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (ch == QLatin1Char('\t') || (ch.unicode() >= 0x20 && ch.unicode() != 0x7F))
            escaped += ch;
    }
    return escaped;
}

QByteArray foldedLine(const QString& line) {
    const QByteArray octets = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    qsizetype room = MaxOctets;
    while (octets.size() - start > room) {
        qsizetype cut = start + room;
        while (continuesCharacter(octets.at(cut)))
            --cut;
        folded += octets.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = MaxOctets - 1;
    }
    folded += octets.mid(start) + "\r\n";
    return folded;
}
