#include "TerminalText.h"

#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString escaped(const char* form, char32_t code, int digits) {
    return QLatin1String(form) + QString::number(code, 16).rightJustified(digits, u'0');
}
} // namespace

QString visibleControls(const QString& text, bool keepLineBreaks) {
    QString visible;
    visible.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            visible += c;
            visible += text[++i];
        } else if (code >= 0xdc80 && code <= 0xdcff) {
            visible += escaped("\\x", code - 0xdc00, 2);
        } else if (c.isSurrogate()) {
            visible += QChar::ReplacementCharacter;
        } else if (code == u'\n' && keepLineBreaks) {
            visible += c;
        } else if (code < 0x20 || code == 0x7f) {
            visible += escaped("\\x", code, 2);
        } else if (code >= 0x80 && code < 0xa0) {
            visible += escaped("\\u", code, 4);
        } else {
            visible += c;
        }
    }
    return visible;
}

void printLine(const QString& text) {
    const QByteArray bytes = (visibleControls(text, false) + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

bool isTerminal(const QString& output) {
    if (output == QLatin1String("-"))
        return ::isatty(STDOUT_FILENO);
    // Only a character device can be a terminal; anything else is never opened here.
    const QByteArray name = QFile::encodeName(output);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const bool terminal = fd >= 0 && ::isatty(fd);
    if (fd >= 0)
        ::close(fd);
    return terminal;
}
