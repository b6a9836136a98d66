#include "HelpDocuments.h"

#include "core/DateRules.h"
#include "drawing/DesignFonts.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/TodayCalendar.h"

#include <QCalendarWidget>
#include <QFile>
#include <QLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

namespace {

QFont documentFont() {
    QFont font(arialFamily());
    font.setPointSize(8);
    return font;
}

// The document in the interface's language.
QString documentPath(const char* name) {
    const bool english = uiLocale().language() == QLocale::English;
    return (english ? QStringLiteral(":/help/en/") : QStringLiteral(":/help/")) +
           QLatin1String(name);
}

// A missing or unreadable document leaves a short notice in its box instead of an empty one.
QString readDocument(const char* name, const QString& title) {
    QFile file(documentPath(name));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString::fromUtf8(file.readAll());
    return QStringLiteral("<p><b>%1</b></p><p>%2</p>")
        .arg(title.toHtmlEscaped(),
             QObject::tr("Dieser Text konnte nicht geladen werden.").toHtmlEscaped());
}

void fill(QTextDocument& document, const QString& html) {
    document.setDefaultFont(documentFont());
    document.setHtml(html);
}

} // namespace

QPixmap renderCalendarPicture() {
    DateInput input;
    input.setDateQuietly(QDate(1953, 11, 20));
    QCalendarWidget* calendar = input.calendar();
    calendar->setSelectedDate(input.date());
    calendar->setCurrentPage(1953, 11);
    // The calendar is never shown here, so its layout has to be settled before it is grabbed.
    calendar->ensurePolished();
    if (calendar->layout())
        calendar->layout()->activate();
    calendar->resize(calendar->sizeHint());
    return calendar->grab();
}

void loadGuide(QTextDocument& document) {
    fill(document, readDocument(GuideName, QObject::tr("Kurzanleitung")));
    document.addResource(QTextDocument::ImageResource, calendarPictureName(),
                         renderCalendarPicture());
}

void loadTerms(QTextDocument& document) {
    fill(document, readDocument(TermsName, QObject::tr("Nutzungsbedingungen")));
}

QStringList imageNames(const QTextDocument& document) {
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                names << format.toImageFormat().name();
        }
    }
    return names;
}
