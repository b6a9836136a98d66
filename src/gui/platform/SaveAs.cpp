#include "SaveAs.h"

#include "gui/platform/BusyCursor.h"
#include "gui/platform/Dialogs.h"

#include <QDir>
#include <QStandardPaths>

namespace {
// The documents folder where the desktop has one; Qt names ~/Documents even where it was never
// made, and a suggestion in a missing folder could only fail.
QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}
} // namespace

std::optional<Outcome> saveAs(QWidget* parent, Dialogs& dialogs, const SaveAsTexts& texts,
                              const QString& fileName,
                              const std::function<Outcome(const QString&)>& write) {
    const QString path = dialogs.saveFileName(
        parent, texts.caption, QDir(documentsFolder()).filePath(fileName), texts.filter);
    if (path.isEmpty())
        return std::nullopt;
    Outcome written;
    {
        const BusyCursor saving;
        written = write(path);
    }
    if (written.worked())
        dialogs.inform(parent, programTitle(), texts.saved.arg(QDir::toNativeSeparators(path)));
    return written;
}
