#include "UserText.h"

#include <QCoreApplication>
#include <array>
#include <optional>

namespace {
constexpr int Placeholders = 100; // %0 to %99, as QString::arg reads them

// The number of the placeholder "%n" or "%nn" at pos, and its length.
std::optional<std::pair<int, int>> placeholderAt(const QString& text, qsizetype pos) {
    if (text[pos] != u'%' || pos + 1 >= text.size() || !text[pos + 1].isDigit())
        return std::nullopt;
    int number = text[pos + 1].digitValue();
    if (pos + 2 < text.size() && text[pos + 2].isDigit())
        return std::pair{number * 10 + text[pos + 2].digitValue(), 3};
    return std::pair{number, 2};
}
} // namespace

UserText::UserText() = default;
UserText::UserText(const char* context, const char* source)
    : m_context(context), m_source(source) {}
UserText::UserText(const UserText& other) = default;
UserText::UserText(UserText&& other) noexcept = default;
UserText& UserText::operator=(const UserText& other) = default;
UserText& UserText::operator=(UserText&& other) noexcept = default;
UserText::~UserText() = default;

UserText UserText::verbatim(const QString& words) {
    UserText text;
    text.m_words = words;
    return text;
}

UserText UserText::arg(const UserText& value) const {
    UserText filled = *this;
    filled.m_values.push_back(value);
    return filled;
}

QString UserText::text() const {
    const QString pattern = m_context ? QCoreApplication::translate(m_context, m_source) : m_words;
    if (m_values.empty())
        return pattern;
    // The lowest number present takes the first value, the next the second, and so on, in the
    // order of the numbers, wherever a translation puts them.
    std::array<int, Placeholders> valueOf;
    valueOf.fill(-1);
    for (qsizetype pos = 0; pos < pattern.size(); ++pos) {
        if (const auto found = placeholderAt(pattern, pos))
            valueOf[found->first] = 0;
    }
    int next = 0;
    for (int& value : valueOf) {
        if (value == 0 && next < int(m_values.size()))
            value = ++next;
        else
            value = -1;
    }
    QString out;
    out.reserve(pattern.size());
    for (qsizetype pos = 0; pos < pattern.size();) {
        const auto found = placeholderAt(pattern, pos);
        if (found && valueOf[found->first] > 0) {
            out += m_values[std::size_t(valueOf[found->first] - 1)].text();
            pos += found->second;
        } else {
            out += pattern[pos++];
        }
    }
    return out;
}
