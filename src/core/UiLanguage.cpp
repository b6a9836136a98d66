#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

std::optional<UiLanguage> languageOfTag(const QString& tag) {
    // "en", "en-GB", "en_US" and the like: the language is the part before the region.
    return uiLanguageNamed(tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0));
}

bool installTranslator(QCoreApplication& application, const QLocale& locale, const QString& name,
                       const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

QLocale englishLocale() {
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QLocale locale(tag);
        if (languageOfTag(tag) == UiLanguage::English && locale.language() == QLocale::English)
            return locale;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

std::optional<UiLanguage> uiLanguageNamed(const QString& name) {
    if (name.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0)
        return UiLanguage::German;
    if (name.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return UiLanguage::English;
    return std::nullopt;
}

UiLanguage preferredUiLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        if (const std::optional<UiLanguage> language = languageOfTag(tag))
            return *language;
    }
    return UiLanguage::German;
}

LanguageChoice languageChoice(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang"))
            return {true, arguments.value(i + 1), 2};
        if (arguments[i].startsWith(QLatin1String("--lang=")))
            return {true, arguments[i].mid(7), 1};
    }
    return {};
}

UiLanguage startUiLanguage(const QStringList& arguments) {
    for (const QString& name :
         {languageChoice(arguments).name, qEnvironmentVariable("BIORHYTHMUS_LANG")}) {
        if (const std::optional<UiLanguage> named = uiLanguageNamed(name))
            return *named;
    }
    return preferredUiLanguage(QLocale::system().uiLanguages());
}

void installUiLanguage(QCoreApplication& application, UiLanguage language) {
    const QLocale locale = language == UiLanguage::English
                               ? englishLocale()
                               : QLocale(QLocale::German, QLocale::Germany);
    QLocale::setDefault(locale);
    installTranslator(application, locale, QStringLiteral("qtbase"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == UiLanguage::English)
        installTranslator(application, locale, QStringLiteral("biorhythmus"),
                          QStringLiteral(":/translations"));
}
