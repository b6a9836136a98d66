#pragma once

#include <QDate>

// Where "today" comes from, so that tests and benchmarks can run on a fixed date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(const QDate& date) : m_date(date) {}
    QDate today() const override { return m_date; }
    void set(const QDate& date) { m_date = date; }

private:
    QDate m_date;
};
