#pragma once

#include <QString>
#include <vector>

// A text for the user, translated when it is read rather than when it is made: a German source
// text with its translation context, and the values of its %1, %2, ... A value is either words
// that stay as they are (a file name, what the system said) or a text of this kind, read in the
// same language. So a message made before the language is chosen, or kept while it changes,
// speaks the language installed when the user reads it.
//
// The source is marked where it is written, so that lupdate finds it in its context:
//     UserText("WholeFile", QT_TRANSLATE_NOOP("WholeFile", "%1: Die Datei ..."))
class UserText {
public:
    UserText();
    // source: a string literal, German, as QT_TRANSLATE_NOOP(context, source) marks it.
    UserText(const char* context, const char* source);
    // Out of line, so that only the core holds them, whichever binary copies a text.
    UserText(const UserText& other);
    UserText(UserText&& other) noexcept;
    UserText& operator=(const UserText& other);
    UserText& operator=(UserText&& other) noexcept;
    ~UserText();

    // Words that are never translated: the user's, the system's, or a pattern such as "%1: %2".
    static UserText verbatim(const QString& words);

    // Fills in the lowest-numbered %n not filled yet, as QString::arg does; all values are put
    // in together when the text is read, so a value's own "%1" is never filled in again.
    UserText arg(const UserText& value) const;
    UserText arg(const QString& value) const { return arg(verbatim(value)); }
    UserText arg(qint64 number) const { return arg(QString::number(number)); }

    bool isEmpty() const { return !m_context && m_words.isEmpty(); }

    // The text in the language installed now.
    QString text() const;

private:
    const char* m_context = nullptr; // null for verbatim words
    const char* m_source = nullptr;
    QString m_words;
    std::vector<UserText> m_values;
};
