#include "CommandLine.h"

#include "cli/Arguments.h"
#include "cli/CriticalDayNotices.h"
#include "cli/Listings.h"
#include "cli/NoticeLibrary.h"
#include "cli/PersonLookup.h"
#include "cli/PictureOutput.h"
#include "cli/TerminalText.h"
#include "core/CalendarFile.h"
#include "core/CriticalDays.h"
#include "core/DayWords.h"
#include "core/FileName.h"
#include "core/PersonFileLocation.h"
#include "core/UiLanguage.h"
#include "core/WholeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <csignal>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The failure in the language installed now, on one line.
int fail(ExitStatus status, const Outcome& failure) {
    printLine(QStringLiteral("biorhythmus: %1").arg(failure.text()));
    if (status == ExitStatus::UsageError)
        printLine(Texts::tr("„biorhythmus --help“ zeigt alle Optionen.\n").trimmed());
    return int(status);
}

// Standard error carries the program's own German messages; Qt's notes to developers (a
// runtime folder it had to choose itself, a font it replaced) stay off it.
void keepQtNotesOff(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printLine(qFormatLogMessage(type, context, message));
}

// The arguments as the system gives them: a file name that is no UTF-8 keeps its bytes.
QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromBytes(argv[i]);
    return arguments;
}

Outcome writeCalendar(const CommandLineRequest& request, const Subject& subject) {
    const int span = request.critical > 0 ? request.critical : DefaultCalendarSpan;
    const CriticalDayList list = criticalDays(subject.birth, request.date, span);
    const CalendarPerson person{request.person.isEmpty() ? QString() : subject.caption,
                                subject.birth};
    return saveCalendar(request.ics, person, list.days, QDateTime::currentDateTimeUtc(),
                        request.alarm);
}

// A person as given: a birth date under the window's caption, or a person from the list under
// the name the list writes.
FoundPerson given(const QDate& birth, const QString& name) {
    if (name.isEmpty())
        return {birthDateCaption(), birth, {}};
    return findPerson(PersonFileLocation::toReadForThisProgram(), name);
}

// Runs the request under an application object already made.
int run(const CommandLineRequest& request, PictureOutput& pictures) {
    if (request.notify) {
        NoticeLibrary notices;
        const Outcome told = notifyCriticalDays(request, notices);
        return told.worked() ? int(ExitStatus::Success) : fail(ExitStatus::Failed, told);
    }
    const FoundPerson first = given(request.birth, request.person);
    const FoundPerson second =
        request.compare ? given(request.partnerBirth, request.partnerPerson) : FoundPerson{};
    for (const FoundPerson& person : {first, second}) {
        if (!person.problem.worked())
            return fail(ExitStatus::Failed, person.problem);
    }
    const Subject subject{first.name, first.birth};
    // Each file in turn, until one fails.
    Outcome written;
    if (!request.ics.isEmpty())
        written = writeCalendar(request, subject);
    if (written.worked() && request.wantsPictures())
        written = pictures.write(request, subject);
    if (written.worked() && request.wantsListing()) {
        const QByteArray listing =
            request.compare ? comparisonListing(request, subject, {second.name, second.birth})
                            : requestedListing(request, subject);
        // A name from the person list is shown on a terminal, not obeyed by it.
        written = writeOutputFile(request.output,
                                  isTerminal(request.output)
                                      ? visibleControls(QString::fromUtf8(listing), true).toUtf8()
                                      : listing);
    }
    if (!written.worked())
        return fail(ExitStatus::Failed, written);
    return int(ExitStatus::Success);
}

} // namespace

int runCommandLine(int argc, char* argv[], PictureOutput& pictures) {
    // A reader that has had enough (| head) ends the run quietly with status 141, as it ends
    // any filter, even where the shell that started it ignores the signal.
    std::signal(SIGPIPE, SIG_DFL);
    qInstallMessageHandler(keepQtNotesOff);
    const QStringList arguments = argumentList(argc, argv);
    const UiLanguage language = startUiLanguage(spelledOutArguments(arguments));
    std::unique_ptr<QCoreApplication> application;
    ParsedArguments parsed;
    {
        // The help and the errors speak the chosen language, whose translation needs an
        // application object; the person list is looked for where the window keeps it, which
        // depends on the program's folder and name.
        auto reading = std::make_unique<QCoreApplication>(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Biorhythmus"));
        installUiLanguage(*reading, language);
        parsed = parseArguments(arguments, QDate::currentDate());
        if (parsed.kind != ParsedArguments::Kind::Run || !parsed.request.wantsPictures())
            application = std::move(reading);
    }
    switch (parsed.kind) {
    case ParsedArguments::Kind::Help:
    case ParsedArguments::Kind::Version: {
        const Outcome shown = writeStandardOutput(parsed.text.toLocal8Bit());
        if (!shown.worked())
            return fail(ExitStatus::Failed, shown);
        return int(ExitStatus::Success);
    }
    case ParsedArguments::Kind::UsageError:
        return fail(ExitStatus::UsageError, parsed.problem);
    case ParsedArguments::Kind::Run:
        break;
    }
    // The pictures are drawn under an application object of their own, made once the first
    // has gone.
    if (!application) {
        application = pictures.makeApplication(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Biorhythmus"));
        installUiLanguage(*application, language);
    }
    return run(parsed.request, pictures);
}
