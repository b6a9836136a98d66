#pragma once

#include <QDate>
#include <QWidget>

// The chart of the partner comparison: the main window's chart with its day strip for the
// display date, the first person's curves drawn through and the second person's dashed. It
// takes the focus like a control, so that a screen reader reaches it and reads its
// description of the curves.
class ComparisonChart : public QWidget {
    Q_OBJECT
public:
    explicit ComparisonChart(QWidget* parent = nullptr);

    void showPersons(const QDate& birth, const QDate& partnerBirth, const QDate& display);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QDate m_birth;
    QDate m_partnerBirth;
    QDate m_display;
};
