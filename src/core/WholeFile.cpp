#include "WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

Outcome writeWholeFile(const QString& path, const QByteArray& bytes, bool inPlace) {
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    file.setDirectWriteFallback(inPlace);
    // Unbuffered: a buffered flush cut short by a full disk fails without saying why.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Outcome::failure(
            UserText("WholeFile",
                     QT_TRANSLATE_NOOP("WholeFile", "%1: Die Datei kann nicht angelegt werden"))
                .arg(name),
            file.errorString());
    // A write cut short by a full disk reports no error; only the next one, for the rest,
    // says why. commit() alone does not notice a failure of the last flush and would put a
    // truncated file in place of the old one.
    const UserText notWritten =
        UserText("WholeFile",
                 QT_TRANSLATE_NOOP("WholeFile", "%1: Die Datei kann nicht geschrieben werden"))
            .arg(name);
    qint64 done = 0;
    for (qint64 written = 0; done < bytes.size(); done += written) {
        written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            break;
    }
    if (done != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const Outcome failed = Outcome::failure(notWritten, file.errorString());
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return Outcome::failure(notWritten, file.errorString());
    return Outcome();
}

Outcome writeAll(QIODevice& device, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return Outcome::failure(UserText(), device.errorString());
        done += written;
    }
    return Outcome();
}
