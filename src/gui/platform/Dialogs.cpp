#include "Dialogs.h"

#include "core/Outcome.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <climits>
#include <cstdio>
#include <unistd.h>

QString programTitle() {
    return QStringLiteral("Biorhythmus");
}

QString failureText(const Outcome& failure) {
    const QString sentence = failure.sentence().text();
    const QString detail = failure.detail().text();
    if (detail.isEmpty() || sentence.isEmpty())
        return sentence + detail;
    return sentence + QLatin1String("\n\n(") + detail + u')';
}

void showFailure(Dialogs& dialogs, QWidget* parent, const Outcome& outcome) {
    if (!outcome.worked())
        dialogs.warn(parent, programTitle(), failureText(outcome));
}

namespace {
// The pressed button; unattended, the text goes to standard error and the answer is No.
QMessageBox::StandardButton showBox(bool unattended, QWidget* parent, QMessageBox::Icon icon,
                                    const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    if (unattended) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return QMessageBox::No;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    // A box that interrupts work under the wait cursor is answered with the ordinary pointer.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return answer;
}
// Qt's own file dialog ignores Save without a word when the name is longer than the folder's
// file system takes; this one says so and stays open for a shorter name.
class SaveFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QFileInfo chosen(selectedFiles().value(0));
        long longest =
            ::pathconf(QFile::encodeName(chosen.absolutePath()).constData(), _PC_NAME_MAX);
        if (longest <= 0)
            longest = NAME_MAX;
        if (QFile::encodeName(chosen.fileName()).size() > longest) {
            showBox(false, this, QMessageBox::Warning, programTitle(),
                    tr("Der Dateiname ist zu lang. Hier sind höchstens %1 Zeichen erlaubt "
                       "(Umlaute zählen doppelt); bitte wählen Sie einen kürzeren Namen.")
                        .arg(longest),
                    QMessageBox::Ok);
            return;
        }
        QFileDialog::accept();
    }
};
} // namespace

void WidgetDialogs::inform(QWidget* parent, const QString& title, const QString& text) {
    showBox(m_unattended, parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

void WidgetDialogs::warn(QWidget* parent, const QString& title, const QString& text) {
    showBox(m_unattended, parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

bool WidgetDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text) {
    return showBox(m_unattended, parent, QMessageBox::NoIcon, title, text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString WidgetDialogs::saveFileName(QWidget* parent, const QString& caption,
                                    const QString& suggestedPath, const QString& filter) {
    if (m_unattended)
        return {};
    SaveFileDialog dialog(parent, caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
