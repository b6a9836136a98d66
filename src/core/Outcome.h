#pragma once

#include "core/UserText.h"

// How an operation below the windows went: it worked, or it failed, and then a sentence of ours
// says what failed and the detail holds why the system refused (errorString(), strerror; the
// common reasons in our own words), or nothing. Both are read in the language installed when they
// are read. A window shows them through showFailure (gui/platform/Dialogs.h); the command line
// prints text().
//
// A failure passed on keeps what the failure below said as its detail; one the system alone
// describes (writeAll) has no sentence, and whoever passes it on gives it one.
class [[nodiscard]] Outcome {
public:
    Outcome(); // it worked
    // Out of line, so that only the core holds them, whichever binary passes an outcome on.
    Outcome(const Outcome& other);
    Outcome(Outcome&& other) noexcept;
    Outcome& operator=(const Outcome& other);
    Outcome& operator=(Outcome&& other) noexcept;
    ~Outcome();

    // detail: the system's words; a common reason is worded in the program's language instead
    // (core/SystemReason.h).
    static Outcome failure(const UserText& sentence, const QString& detail = QString());
    static Outcome failure(const UserText& sentence, const UserText& detail);
    // What cause said becomes the detail.
    static Outcome failure(const UserText& sentence, const Outcome& cause);

    bool worked() const { return !m_failed; }
    const UserText& sentence() const { return m_sentence; }
    const UserText& detail() const { return m_detail; }

    // This failure told in a sentence of the caller's, whose next %n takes this one's
    // sentence; the detail stays.
    Outcome within(const UserText& sentence) const;

    // "<sentence>: <detail>", or whichever of the two there is, as one text.
    UserText said() const;
    // said() in the language installed now: one line, as the command line prints it.
    QString text() const { return said().text(); }

private:
    bool m_failed = false;
    UserText m_sentence;
    UserText m_detail;
};
