#pragma once

#include <QByteArray>
#include <QString>

// The line rules of the iCalendar format (RFC 5545, section 3.1 and 3.3.11).

// A TEXT value with its backslashes, semicolons, commas and line breaks escaped; other control
// characters, which the format does not allow, are left out.
QString escapedText(const QString& text);

// One content line as UTF-8, folded into lines of at most 75 octets (a continuation line
// begins with a blank, which counts) without cutting a character apart, each ended by CRLF.
QByteArray foldedLine(const QString& line);
