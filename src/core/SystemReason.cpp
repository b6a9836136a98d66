#include "SystemReason.h"

#include <QCoreApplication>
#include <array>
#include <cerrno>
#include <cstring>

namespace {
struct Reason {
    int error;
    const char* systemEnglish; // the C library's and Qt's English words for it
    const char* german;        // ours, marked for the translation
};

// The reasons a user meets when a file cannot be read or written.
constexpr std::array<Reason, 10> Reasons{{
    {EACCES, "Permission denied", QT_TRANSLATE_NOOP("SystemReason", "Zugriff verweigert")},
    {EPERM, "Operation not permitted",
     QT_TRANSLATE_NOOP("SystemReason", "Der Vorgang ist nicht erlaubt")},
    {EROFS, "Read-only file system",
     QT_TRANSLATE_NOOP("SystemReason", "Das Dateisystem ist schreibgeschützt")},
    {ENOSPC, "No space left on device",
     QT_TRANSLATE_NOOP("SystemReason", "Auf dem Datenträger ist kein Platz mehr")},
    {EFBIG, "File too large", QT_TRANSLATE_NOOP("SystemReason", "Die Datei ist zu groß")},
    {ENAMETOOLONG, "File name too long",
     QT_TRANSLATE_NOOP("SystemReason", "Der Dateiname ist zu lang")},
    {ENOENT, "No such file or directory",
     QT_TRANSLATE_NOOP("SystemReason", "Die Datei oder der Ordner existiert nicht")},
    {ENOTDIR, "Not a directory",
     QT_TRANSLATE_NOOP("SystemReason", "Ein Teil des Pfads ist kein Ordner")},
    {EISDIR, "Is a directory", QT_TRANSLATE_NOOP("SystemReason", "Es ist ein Ordner")},
    {EINVAL, "Invalid argument", QT_TRANSLATE_NOOP("SystemReason", "Ungültiges Argument")},
}};

UserText ours(const Reason& reason) {
    return UserText("SystemReason", reason.german);
}
} // namespace

UserText systemReason(int error) {
    for (const Reason& reason : Reasons)
        if (reason.error == error)
            return ours(reason);
    return UserText::verbatim(QString::fromLocal8Bit(std::strerror(error)));
}

UserText systemReasonIn(const QString& words) {
    for (const Reason& reason : Reasons) {
        // The C library's words in the machine's locale, and Qt's English for a few reasons,
        // given as they are or translated by Qt's own translations.
        if (words == QLatin1String(reason.systemEnglish) ||
            words == QString::fromLocal8Bit(std::strerror(reason.error)) ||
            words == QCoreApplication::translate("QIODevice", reason.systemEnglish))
            return ours(reason);
    }
    return UserText::verbatim(words);
}
