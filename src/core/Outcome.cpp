#include "Outcome.h"

#include "core/SystemReason.h"

Outcome::Outcome() = default;
Outcome::Outcome(const Outcome& other) = default;
Outcome::Outcome(Outcome&& other) noexcept = default;
Outcome& Outcome::operator=(const Outcome& other) = default;
Outcome& Outcome::operator=(Outcome&& other) noexcept = default;
Outcome::~Outcome() = default;

Outcome Outcome::failure(const UserText& sentence, const QString& detail) {
    return failure(sentence, detail.isEmpty() ? UserText() : systemReasonIn(detail));
}

Outcome Outcome::failure(const UserText& sentence, const UserText& detail) {
    Outcome failed;
    failed.m_failed = true;
    failed.m_sentence = sentence;
    failed.m_detail = detail;
    return failed;
}

Outcome Outcome::failure(const UserText& sentence, const Outcome& cause) {
    return failure(sentence, cause.said());
}

Outcome Outcome::within(const UserText& sentence) const {
    Outcome failed = *this;
    failed.m_sentence = sentence.arg(m_sentence);
    return failed;
}

UserText Outcome::said() const {
    if (m_detail.isEmpty())
        return m_sentence;
    if (m_sentence.isEmpty())
        return m_detail;
    return UserText::verbatim(QStringLiteral("%1: %2")).arg(m_sentence).arg(m_detail);
}
