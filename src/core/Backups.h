#pragma once

#include "core/Outcome.h"

#include <QString>

class QByteArray;

// The backup copies of a file: for DATA.DAT.bak these are DATA.DAT.bak, DATA.DAT.bak.1,
// DATA.DAT.bak.2 and so on, beside it. A backup copy is never replaced or removed; bytes that
// one of them already holds are not copied again.
namespace Backups {

struct Kept {
    QString path;    // the copy that holds the bytes, when they are kept
    Outcome outcome; // otherwise why not
};

Kept keep(const QString& firstName, const QByteArray& bytes);

} // namespace Backups
