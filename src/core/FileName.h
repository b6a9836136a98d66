#pragma once

#include <QByteArray>
#include <QString>

// File names as the system gives them: bytes, which need not be UTF-8 (a name written under
// another locale, a folder named in Latin-1). A name travels through the program as a QString,
// so that it can be shown; each byte that is not part of valid UTF-8 is kept in it as the lone
// code unit U+DC80..U+DCFF (as Python's "surrogateescape" does), so that the name turns back
// into exactly the bytes it came from. Valid UTF-8 reads as it always does.
QString fileNameFromBytes(const QByteArray& bytes);

// The bytes to hand the system for the name: UTF-8, with each kept byte put back as it was.
QByteArray fileNameBytes(const QString& name);
