#pragma once

#include <QDateEdit>

// A date input with a drop-down calendar, shown as dd.MM.yyyy, for 01.01.1601 to 31.12.9999.
// userChangedDate is emitted only for the user's own edits; setting the date from code stays
// quiet, so code that sets a date decides itself when to recalculate.
class DateInput : public QDateEdit {
    Q_OBJECT
public:
    explicit DateInput(QWidget* parent = nullptr);

    // Sets the date without emitting userChangedDate.
    void setDateQuietly(const QDate& date);

signals:
    void userChangedDate(const QDate& date);

private:
    bool m_quiet = false;
};
