#include "GermanTranslations.h"

#include "DateRules.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installGermanTranslations(QCoreApplication& application) {
    const QLocale german = germanLocale();
    QLocale::setDefault(german);
    auto* translator = new QTranslator(&application);
    if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
