#include "Backups.h"

#include "core/RegularFile.h"
#include "core/WholeFile.h"

#include <QFileInfo>

namespace {
// Enough for a lifetime of broken files; the search for a free name stays short.
constexpr int MaxCopies = 10000;

bool holds(const QFileInfo& copy, const QByteArray& bytes) {
    return copy.isFile() && copy.size() == bytes.size() &&
           RegularFile::compare(copy.filePath(), bytes) == RegularFile::Comparison::Same;
}
} // namespace

namespace Backups {

Kept keep(const QString& firstName, const QByteArray& bytes) {
    for (int number = 0; number < MaxCopies; ++number) {
        const QFileInfo copy(number == 0 ? firstName
                                         : firstName + QLatin1Char('.') + QString::number(number));
        if (holds(copy, bytes))
            return {copy.filePath(), Outcome()};
        if (copy.exists() || copy.isSymLink())
            continue;
        const Outcome written = writeWholeFile(copy.filePath(), bytes, false);
        if (!written.worked())
            return {QString(), written};
        return {copy.filePath(), Outcome()};
    }
    return {
        QString(),
        Outcome::failure(
            UserText("Backups", QT_TRANSLATE_NOOP("Backups", "Es gibt schon %1 Sicherungskopien"))
                .arg(MaxCopies))};
}

} // namespace Backups
