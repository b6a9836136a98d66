#include "WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WholeFile)
};
} // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, bool inPlace, QString* error) {
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    file.setDirectWriteFallback(inPlace);
    if (!file.open(QIODevice::WriteOnly)) {
        *error =
            Texts::tr("%1: Die Datei kann nicht angelegt werden: %2").arg(name, file.errorString());
        return false;
    }
    // commit() alone does not notice a failure of the last flush and would put a truncated
    // file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        *error = Texts::tr("%1: Die Datei kann nicht geschrieben werden: %2")
                     .arg(name, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = Texts::tr("%1: Die Datei kann nicht geschrieben werden: %2")
                     .arg(name, file.errorString());
        return false;
    }
    return true;
}

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}
