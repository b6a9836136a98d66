#pragma once

#include "cli/NoticeSender.h"

#include <QDate>

struct CommandLineRequest;
struct CriticalDayList;

// One notice per critical day of the list, in the language installed: the kind of day, whose it
// is and its date as the summary, "Doppelt kritischer Tag für Anna am Dienstag, 08.12.2026";
// each critical cycle with the first sentence of its text as the body. name is empty for a
// birth date typed in; the summary then gives the birth date instead.
std::vector<Notice> criticalDayNotices(const QString& name, const QDate& birth,
                                       const CriticalDayList& list);

// --notify: the critical days from the request's date over its span (today and tomorrow unless
// --critical says otherwise) of every person and birth date it names, sent as notifications.
// A person missing from the list does not keep the others' notices back; the run then fails
// all the same, and says why. With no critical day nothing is sent and the bus is not asked.
Outcome notifyCriticalDays(const CommandLineRequest& request, NoticeSender& sender);
