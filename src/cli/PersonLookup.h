#pragma once

#include "core/Outcome.h"

#include <QDate>
#include <QString>

class PersonFileLocation;

// A person's birth date, found by name in the person list. The list is only read, never
// written, and only an ordinary file is opened.
struct FoundPerson {
    QString name;    // as the list writes it
    QDate birth;     // valid on success
    Outcome problem; // otherwise why not, naming the file
};

// The first person whose name is the given one, or, failing that, the only person whose name
// differs from it in case alone.
FoundPerson findPerson(const PersonFileLocation& location, const QString& name);
