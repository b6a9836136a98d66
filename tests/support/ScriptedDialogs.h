#pragma once

#include "Dialogs.h"

#include <QQueue>
#include <QStringList>

// Answers the program's dialogs from a script and records what they said.
class ScriptedDialogs final : public Dialogs {
public:
    QStringList messages; // "title|text" of every inform and warn, in order
    QStringList questions;
    QQueue<bool> yesNoAnswers;     // an empty queue answers No
    QQueue<QString> saveFileNames; // an empty queue cancels

    void inform(QWidget*, const QString& title, const QString& text) override {
        messages << title + QLatin1Char('|') + text;
    }
    void warn(QWidget*, const QString& title, const QString& text) override {
        messages << title + QLatin1Char('|') + text;
    }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override {
        questions << title + QLatin1Char('|') + text;
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue();
    }
};
