#pragma once

#include "gui/persons/PersonTakeOver.h"

#include <QDate>
#include <QStringList>

// Stands for the main window and remembers every person taken over, and every person handed
// over for a comparison.
struct RecordingTakeOver final : PersonTakeOver {
    QStringList names;
    QList<QDate> dates;
    QStringList compared;
    void takeOver(const QString& name, const QDate& birthDate) override {
        names << name;
        dates << birthDate;
    }
    void compareWith(QWidget*, const QString& name, const QDate& birthDate) override {
        compared << name + QLatin1Char(' ') + birthDate.toString(Qt::ISODate);
    }
};
