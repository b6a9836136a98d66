#include "Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>

QString programTitle() {
    return QStringLiteral("Biorhythmus");
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
    return QMessageBox::StandardButton(box.exec());
}
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
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}
