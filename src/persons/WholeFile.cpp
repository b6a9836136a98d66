#include "WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("WholeFile", text);
}
} // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, bool inPlace, QString* error) {
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    file.setDirectWriteFallback(inPlace);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = tr("%1: Die Datei kann nicht angelegt werden: %2").arg(name, file.errorString());
        return false;
    }
    // commit() alone does not notice a failure of the last flush and would put a truncated
    // file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        *error =
            tr("%1: Die Datei kann nicht geschrieben werden: %2").arg(name, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error =
            tr("%1: Die Datei kann nicht geschrieben werden: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}
