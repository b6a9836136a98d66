#include "CriticalDayNotices.h"

#include "cli/CommandLineRequest.h"
#include "cli/PersonLookup.h"
#include "core/CriticalDays.h"
#include "core/DateRules.h"
#include "core/DayWords.h"
#include "core/PersonFileLocation.h"

#include <QCoreApplication>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CriticalDayNotices)
};

QString summary(const QString& name, const QDate& birth, const CriticalDay& day) {
    if (name.trimmed().isEmpty())
        return Texts::tr("%1 am %2 (geboren am %3)")
            .arg(criticalDayWords(day.count()), dayWithWeekday(day.date), displayDateText(birth));
    return Texts::tr("%1 für %2 am %3")
        .arg(criticalDayWords(day.count()), name.trimmed(), dayWithWeekday(day.date));
}
} // namespace

std::vector<Notice> criticalDayNotices(const QString& name, const QDate& birth,
                                       const CriticalDayList& list) {
    std::vector<Notice> notices;
    for (const CriticalDay& day : list.days)
        notices.push_back({summary(name, birth, day), criticalCycleLeads(day.cycles)});
    return notices;
}

Outcome notifyCriticalDays(const CommandLineRequest& request, NoticeSender& sender) {
    const int span = request.critical > 0 ? request.critical : DefaultNotifySpan;
    std::vector<Notice> notices;
    const auto add = [&](const QString& name, const QDate& birth) {
        const std::vector<Notice> more =
            criticalDayNotices(name, birth, criticalDays(birth, request.date, span));
        notices.insert(notices.end(), more.begin(), more.end());
    };
    Outcome lookup;
    for (const QString& person : request.persons) {
        const FoundPerson found = findPerson(PersonFileLocation::toReadForThisProgram(), person);
        if (found.problem.worked())
            add(found.name, found.birth);
        else if (lookup.worked())
            lookup = found.problem;
    }
    for (const QDate& birth : request.births)
        add(QString(), birth);
    if (notices.empty())
        return lookup;
    const Outcome sent = sender.send(notices);
    return sent.worked() ? lookup : sent;
}
