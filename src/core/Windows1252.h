#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The Western European Windows code page that DATA.DAT is written in. Every byte decodes to a
// character (the five bytes the code page leaves unassigned decode to the C1 controls of the
// same number, as Windows does), so any file survives a read and a write byte for byte.
QString decodeWindows1252(QByteArrayView bytes);

// Writes text.size() bytes from out on and returns the end of them. Characters the code page
// cannot hold become '?'; each UTF-16 unit gives one byte.
char* encodeWindows1252(QStringView text, char* out);

bool isWindows1252(QChar c);
