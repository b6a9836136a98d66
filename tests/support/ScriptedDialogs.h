#pragma once

#include "gui/platform/Dialogs.h"

#include <QGuiApplication>
#include <QQueue>
#include <QStringList>

// Answers the program's dialogs from a script and records what they said, and what only the
// real dialogs would show: the file dialog's caption and suggestion, and whether the busy
// cursor was still up while a dialog was open.
class ScriptedDialogs final : public Dialogs {
public:
    QStringList messages; // "title|text" of every inform and warn, in order
    QStringList questions;
    QQueue<bool> yesNoAnswers;     // an empty queue answers No
    QQueue<QString> saveFileNames; // an empty queue cancels
    QString saveCaption;
    QString suggestedPath;
    bool busyDuringDialog = false;

    void inform(QWidget*, const QString& title, const QString& text) override {
        note();
        messages << title + QLatin1Char('|') + text;
    }
    void warn(QWidget*, const QString& title, const QString& text) override {
        note();
        messages << title + QLatin1Char('|') + text;
    }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override {
        note();
        questions << title + QLatin1Char('|') + text;
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
    }
    QString saveFileName(QWidget*, const QString& caption, const QString& suggested,
                         const QString&) override {
        note();
        saveCaption = caption;
        suggestedPath = suggested;
        return saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue();
    }

private:
    // Tests without a GUI application have no cursor to ask about.
    void note() {
        busyDuringDialog |= qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
                            QGuiApplication::overrideCursor();
    }
};
