#pragma once

#include <QStringList>
#include <optional>

class QCoreApplication;
class QLocale;

// The languages the program speaks. German is its own; English comes from a translation.
enum class UiLanguage { German, English };

// "de" or "en", in any case; nothing for any other name.
std::optional<UiLanguage> uiLanguageNamed(const QString& name);

// German unless the user's interface languages, most wanted first, name English before German;
// a list with neither (the C or POSIX locale among them) gives German.
UiLanguage preferredUiLanguage(const QStringList& uiLanguages);

// What a program's arguments, its name first, say of the language: "--lang en" or "--lang=en".
struct LanguageChoice {
    bool given = false; // --lang is among the arguments
    QString name;       // its value as written, empty when none follows
    int words = 0;      // the arguments it takes up: 2 for "--lang en", 1 for "--lang=en"
    std::optional<UiLanguage> language() const { return uiLanguageNamed(name); }
};
LanguageChoice languageChoice(const QStringList& arguments);

// The language to start in: the one --lang names, else the one BIORHYTHMUS_LANG names, else
// the one the system prefers.
UiLanguage startUiLanguage(const QStringList& arguments);

// English in the region the user asked for when the system names one, else in the US.
QLocale englishLocale();

// Makes the language's locale the default and loads Qt's own texts in it, so that calendars,
// message boxes and context menus speak it too, and for English the program's translation.
// Call before the first window is made: windows take their texts and date forms when built.
void installUiLanguage(QCoreApplication& application, UiLanguage language);
