#pragma once

#include "core/CalendarFile.h"
#include "core/CriticalDays.h"
#include "core/PartnerMatch.h"
#include "gui/controls/FramedDialog.h"

#include <array>
#include <functional>
#include <vector>

class Announcer;
class Clock;
class ComparisonChart;
class DateInput;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Partnervergleich": the person the main window shows beside a second one, chosen from the
// person list or given by a typed birth date. It shows how well the two match in each cycle
// and overall, the chart of the 32 days around the display date with both persons' curves
// (the second's dashed), and the coming days on which both have a critical day, over 30, 90 or
// 365 days. Choosing such a day (Enter, double-click) makes it the display date and leaves the
// window open. A screen reader hears the matches whenever they change.
class PartnerComparisonWindow : public FramedDialog {
    Q_OBJECT
public:
    struct Services {
        const Clock& clock;
        std::function<void(const QDate&)> showDay; // the main window's way to a new display date
    };

    // persons: whom the second person can be chosen from; partner: who is chosen at first, one
    // of them or a birth date to start typing from.
    PartnerComparisonWindow(const CalendarPerson& first, std::vector<CalendarPerson> persons,
                            const CalendarPerson& partner, const QDate& display,
                            const Services& services, QWidget* parent = nullptr);

    const PartnerMatch& match() const { return m_match; }
    const SharedCriticalDayList& list() const { return m_list; }

protected:
    void paintClient(QPainter& painter) override;

private:
    void buildPartnerRow(QWidget* area);
    void buildMatchRow(QWidget* area);
    void buildDayList(QWidget* area);
    void choosePerson(int index);
    void compare();
    void showSpan(int days);
    void showChart();

    CalendarPerson m_first;
    std::vector<CalendarPerson> m_persons;
    QDate m_from;    // the display date the window opened on: the shared days begin there
    QDate m_display; // the day in the middle of the chart
    std::function<void(const QDate&)> m_showDay;
    PartnerMatch m_match;
    SharedCriticalDayList m_list;

    QComboBox* Partner;
    DateInput* PartnerBirth;
    std::array<QLabel*, 4> Match{};
    ComparisonChart* Chart;
    QComboBox* Span;
    QTableWidget* DayList;
    QLabel* lblEnd;
    QPushButton* C4;
    Announcer* m_announcer;
};

// Opens the window over the parent, modal, without waiting for it to close.
void openPartnerComparison(QWidget* parent, const CalendarPerson& first,
                           std::vector<CalendarPerson> persons, const CalendarPerson& partner,
                           const QDate& display, const PartnerComparisonWindow::Services& services);
