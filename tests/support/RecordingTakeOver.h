#pragma once

#include "gui/persons/PersonTakeOver.h"

#include <QDate>
#include <QStringList>

// Stands for the main window and remembers every person taken over.
struct RecordingTakeOver final : PersonTakeOver {
    QStringList names;
    QList<QDate> dates;
    void takeOver(const QString& name, const QDate& birthDate) override {
        names << name;
        dates << birthDate;
    }
};
