#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The Western European Windows code page that DATA.DAT is written in. Every byte decodes to a
// character (the five bytes the code page leaves unassigned decode to the C1 controls of the
// same number, as Windows does), so any file survives a read and a write byte for byte.
QString decodeWindows1252(QByteArrayView bytes);

// Characters the code page cannot hold become '?'.
QByteArray encodeWindows1252(const QString& text);

bool isWindows1252(QChar c);
