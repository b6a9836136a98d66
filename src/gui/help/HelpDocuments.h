#pragma once

#include <QPixmap>
#include <QString>
#include <QUrl>

class QTextDocument;

// The two documents of the help window, kept as rich text in the help library's resources:
// German under :/help, English under :/help/en.
inline constexpr const char* GuideName = "guide.html";
inline constexpr const char* TermsName = "terms.html";

// The name under which the guide refers to the picture of the drop-down calendar.
inline QUrl calendarPictureName() {
    return QUrl(QStringLiteral("calendar.png"));
}

// The drop-down calendar of the date inputs as the user sees it when setting the birth date:
// November 1953 with the 20th selected. Taken from a real date input, so the picture always
// matches the calendar the program shows.
QPixmap renderCalendarPicture();

// Fills a document with the guide, its calendar picture included; the button pictures come
// from the program's own picture resources.
void loadGuide(QTextDocument& document);

// Fills a document with the terms of use.
void loadTerms(QTextDocument& document);

// Every image name a document refers to, in document order.
QStringList imageNames(const QTextDocument& document);
