#pragma once

#include <QString>

// How an operation below the windows went: it worked, or it failed, and then a German sentence
// says what failed for the user and the detail holds what the system said in its own words
// (errorString(), strerror), or nothing. The window that tells the user decides how to show both.
class Outcome {
public:
    Outcome() = default; // it worked
    static Outcome failure(const QString& sentence, const QString& detail = QString()) {
        Outcome failed;
        failed.m_failed = true;
        failed.m_sentence = sentence;
        failed.m_detail = detail;
        return failed;
    }

    bool worked() const { return !m_failed; }
    const QString& sentence() const { return m_sentence; }
    const QString& detail() const { return m_detail; }
    // "<sentence>: <detail>", or the sentence alone when there is no detail.
    QString text() const {
        return m_detail.isEmpty() ? m_sentence : m_sentence + QLatin1String(": ") + m_detail;
    }

private:
    bool m_failed = false;
    QString m_sentence;
    QString m_detail;
};
