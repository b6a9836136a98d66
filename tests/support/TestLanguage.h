#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// The program's texts in the language named ("de" or "en") for as long as this lives: English
// installs the program's translation, German leaves the program's own texts. Qt's own texts and
// the system's words stay as they are.
class TestLanguage {
public:
    explicit TestLanguage(const QString& language) {
        if (language == QLatin1String("en")) {
            m_installed = m_english.load(QStringLiteral(":/translations/biorhythmus_en.qm")) &&
                          QCoreApplication::installTranslator(&m_english);
        } else {
            m_installed = language == QLatin1String("de");
        }
    }

    // The language could be put in place.
    bool installed() const { return m_installed; }

private:
    QTranslator m_english;
    bool m_installed = false;
};
