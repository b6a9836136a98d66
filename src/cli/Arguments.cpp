#include "Arguments.h"

#include "cli/ReminderOptions.h"
#include "core/DateRules.h"
#include "core/UiLanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>
#include <vector>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Arguments)
};

struct OptionText {
    QStringList names;
    const char* valueName; // nullptr for a switch
    const char* description;
};

// The options in the order the help lists them.
const std::vector<OptionText>& optionTexts() {
    static const std::vector<OptionText> texts{
        {{"b", "birth"},
         QT_TRANSLATE_NOOP("Arguments", "Datum"),
         QT_TRANSLATE_NOOP("Arguments",
                           "Geburtsdatum: TT.MM.JJJJ, JJJJ-MM-TT oder die englische Form.")},
        {{"p", "person"},
         QT_TRANSLATE_NOOP("Arguments", "Name"),
         QT_TRANSLATE_NOOP("Arguments", "Geburtsdatum der Person aus der Personenliste.")},
        {{"d", "date"},
         QT_TRANSLATE_NOOP("Arguments", "Datum"),
         QT_TRANSLATE_NOOP("Arguments", "Anzeige-Datum (Vorgabe: heute).")},
        {{"n", "days"},
         "N",
         QT_TRANSLATE_NOOP("Arguments", "Tabelle von N Tagen ab dem Anzeige-Datum.")},
        {{"k", "critical"},
         "N",
         QT_TRANSLATE_NOOP("Arguments", "Die kritischen Tage der nächsten N Tage.")},
        {{"compare"},
         nullptr,
         QT_TRANSLATE_NOOP("Arguments", "Partnervergleich zweier Personen: --birth oder --person "
                                        "zweimal\nangeben; mit --critical N ihre gemeinsamen "
                                        "kritischen Tage.")},
        {{"f", "format"},
         QT_TRANSLATE_NOOP("Arguments", "Format"),
         QT_TRANSLATE_NOOP("Arguments", "text, csv oder json (Vorgabe: text).")},
        {{"o", "output"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Schreibt in die Datei; - ist die Standardausgabe.")},
        {{"ics"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Kalenderdatei der kritischen Tage (Vorgabe: 90 Tage).")},
        {{"alarm"},
         "HH:MM",
         QT_TRANSLATE_NOOP("Arguments", "Mit --ics: Erinnerung am kritischen Tag um HH:MM.")},
        {{"alarm-before"},
         "HH:MM",
         QT_TRANSLATE_NOOP("Arguments", "Mit --ics: Erinnerung am Vortag um HH:MM.")},
        {{"pdf"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Der Tagesbericht als PDF-Datei, wie gedruckt.")},
        {{"png"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Das Diagramm mit der Tagesleiste als PNG-Bild.")},
        {{"svg"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Das Diagramm mit der Tagesleiste als SVG-Bild.")},
        {{"notify"},
         nullptr,
         QT_TRANSLATE_NOOP("Arguments", "Meldet kritische Tage von heute und morgen auf dem "
                                        "Desktop.")},
        {{"window"},
         nullptr,
         QT_TRANSLATE_NOOP("Arguments",
                           "Öffnet das Fenster mit Rahmen, ohne den Bildschirm umzuschalten.")},
        {{"lang"},
         QT_TRANSLATE_NOOP("Arguments", "Sprache"),
         QT_TRANSLATE_NOOP("Arguments", "de oder en: die Sprache der Texte (Vorgabe: die des "
                                        "Systems).")},
        {{"h", "help"}, nullptr, QT_TRANSLATE_NOOP("Arguments", "Zeigt diese Hilfe.")},
        {{"v", "version"}, nullptr, QT_TRANSLATE_NOOP("Arguments", "Zeigt die Version.")},
    };
    return texts;
}

QString optionSynopsis(const OptionText& option) {
    QStringList forms;
    for (const QString& name : option.names)
        forms << (name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name;
    QString synopsis = forms.join(QLatin1String(", "));
    if (option.valueName)
        synopsis += QStringLiteral(" <%1>").arg(Texts::tr(option.valueName));
    return synopsis;
}

QString helpText() {
    QString text = Texts::tr("Aufruf: biorhythmus [Optionen]\n\n"
                             "Ohne Optionen öffnet Biorhythmus sein Fenster. Mit Optionen\n"
                             "rechnet es ohne Fenster: die Tage seit der Geburt, die drei\n"
                             "Prozentwerte und die drei Texte, wie das Fenster sie zeigt,\n"
                             "oder was die Optionen verlangen.\n\n"
                             "Optionen:\n");
    // A description's further lines begin under its first.
    const QString nextLine = QLatin1Char('\n') + QString(26, QLatin1Char(' '));
    for (const OptionText& option : optionTexts())
        text += QStringLiteral("  %1  %2\n")
                    .arg(optionSynopsis(option), -22)
                    .arg(Texts::tr(option.description).replace(QLatin1Char('\n'), nextLine));
    text += Texts::tr("\nRückgabewert: 0 bei Erfolg, 1 wenn etwas nicht gelang (eine Datei,\n"
                      "die Personenliste), 2 bei falschem Aufruf.\n");
    text += Texts::tr("\nFehler bitte an <%1> melden.\n").arg(QLatin1String(BIO_BUG_ADDRESS));
    return text;
}

// The version, who holds the rights, and the licence, as GNU programs show them. The licence
// is the terms of use the help window shows, as the package's copyright file says.
QString versionText() {
    return QStringLiteral("biorhythmus %1\nCopyright (C) %2\n")
               .arg(QLatin1String(BIO_VERSION), QString::fromUtf8(BIO_COPYRIGHT)) +
           Texts::tr("Lizenz: proprietär, die Nutzungsbedingungen im Hilfefenster. Private "
                     "Nutzung und\nunveränderte Weitergabe sind erlaubt; keine Haftung, soweit "
                     "das Gesetz dies zulässt.\n");
}

const OptionText* optionNamed(const QString& name) {
    for (const OptionText& option : optionTexts())
        if (option.names.contains(name))
            return &option;
    return nullptr;
}

// Long options shortened as GNU programs allow: "--bir" names --birth, the only option that
// begins so; one that begins several is ambiguous. QCommandLineParser knows only whole names.
struct SpelledOut {
    QStringList arguments; // with every shortened option written out
    QString ambiguous;     // the first ambiguous option as given, else empty
    QStringList candidates;
};

SpelledOut spellOut(const QStringList& arguments) {
    SpelledOut out{arguments.mid(0, 1), {}, {}};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (argument == QLatin1String("--")) {
            out.arguments << arguments.mid(i);
            break;
        }
        QString name; // empty for anything but an option
        if (argument.startsWith(QLatin1String("--"))) {
            name = argument.mid(2).section(u'=', 0, 0);
            QStringList fitting;
            for (const OptionText& option : optionTexts())
                if (option.names.last().startsWith(name))
                    fitting << option.names.last();
            const bool shortened = !name.isEmpty() && !optionNamed(name);
            if (shortened && fitting.size() == 1) {
                argument.replace(2, name.size(), fitting.first());
                name = fitting.first();
            } else if (shortened && fitting.size() > 1 && out.ambiguous.isEmpty()) {
                out.ambiguous = QStringLiteral("--") + name;
                for (const QString& candidate : fitting)
                    out.candidates << QStringLiteral("--") + candidate;
            }
        } else if (argument.size() == 2 && argument[0] == u'-') {
            name = argument.mid(1);
        }
        out.arguments << argument;
        // An option's value is the next argument, whatever it looks like, unless it came
        // after "=".
        const OptionText* option = optionNamed(name);
        if (option && option->valueName && !argument.contains(u'=') && i + 1 < arguments.size())
            out.arguments << arguments[++i];
    }
    return out;
}

ParsedArguments usageError(const UserText& message) {
    return {ParsedArguments::Kind::UsageError, {}, {}, Outcome::failure(message)};
}

struct DateReading {
    QDate date;
    UserText error;
};

// The English form spelt as the other forms are: "M/T/JJJJ" in German, "M/D/YYYY" in English.
QString englishFormPattern() {
    return englishDateFormat()
        .replace(QLatin1Char('d'), Texts::tr("T", "the letter for a digit of the day"))
        .replace(QLatin1Char('y'), Texts::tr("J", "the letter for a digit of the year"));
}

DateReading readDate(const QString& text) {
    const QDate date = readDateText(text);
    if (!date.isValid())
        return {{},
                UserText("Arguments",
                         QT_TRANSLATE_NOOP("Arguments", "„%1“ ist kein Datum; erwartet wird "
                                                        "TT.MM.JJJJ, JJJJ-MM-TT oder %2."))
                    .arg(text)
                    .arg(englishFormPattern())};
    if (!isAcceptedDate(date))
        return {{}, dateRangeMessage()};
    return {date, {}};
}

struct SpanReading {
    int days = 0;
    UserText error;
};

SpanReading readSpan(const QString& option, const QString& text) {
    bool ok = false;
    const int days = text.toInt(&ok);
    if (!ok || days < 1 || days > LongestSpan)
        return {0, UserText("Arguments",
                            QT_TRANSLATE_NOOP("Arguments",
                                              "--%1 erwartet eine ganze Zahl von 1 bis %2, nicht "
                                              "„%3“."))
                       .arg(option)
                       .arg(LongestSpan)
                       .arg(text)};
    return {days, {}};
}

// A person as the arguments give one: a birth date (--birth) or a name in the list (--person).
struct GivenPerson {
    bool byName = false;
    QString value;
};

// The persons given, in the order of the arguments.
std::vector<GivenPerson> givenPersons(const QCommandLineParser& parser) {
    const QStringList births = parser.values(QStringLiteral("birth"));
    const QStringList names = parser.values(QStringLiteral("person"));
    qsizetype birthsTaken = 0, namesTaken = 0;
    std::vector<GivenPerson> persons;
    for (const QString& option : parser.optionNames()) {
        if (option == QLatin1String("b") || option == QLatin1String("birth"))
            persons.push_back({false, births.at(birthsTaken++)});
        else if (option == QLatin1String("p") || option == QLatin1String("person"))
            persons.push_back({true, names.at(namesTaken++)});
    }
    return persons;
}

// The two persons of a comparison, in the order given, into the request.
UserText readComparedPersons(const QCommandLineParser& parser, CommandLineRequest& request) {
    const std::vector<GivenPerson> persons = givenPersons(parser);
    if (persons.size() != 2)
        return UserText("Arguments",
                        QT_TRANSLATE_NOOP("Arguments",
                                          "--compare vergleicht zwei Personen: bitte --birth "
                                          "oder --person zweimal angeben."));
    const std::array<std::pair<QDate*, QString*>, 2> into{
        std::pair{&request.birth, &request.person},
        std::pair{&request.partnerBirth, &request.partnerPerson}};
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const auto [birth, name] = into[i];
        if (persons[i].byName) {
            *name = persons[i].value;
            continue;
        }
        const DateReading reading = readDate(persons[i].value);
        if (!reading.error.isEmpty())
            return reading.error;
        *birth = reading.date;
    }
    return {};
}

// --birth or --person: one of them once; with --notify any number of both, with --compare two.
UserText readSubjects(const QCommandLineParser& parser, CommandLineRequest& request) {
    request.persons = parser.values(QStringLiteral("person"));
    const QStringList births = parser.values(QStringLiteral("birth"));
    if (request.persons.contains(QString()))
        return UserText("Arguments",
                        QT_TRANSLATE_NOOP("Arguments", "Nach „--person“ fehlt ein Name."));
    if (request.persons.isEmpty() && births.isEmpty())
        return UserText(
            "Arguments",
            QT_TRANSLATE_NOOP("Arguments", "Bitte --birth DATUM oder --person NAME angeben."));
    for (const QString& text : births) {
        const DateReading birth = readDate(text);
        if (!birth.error.isEmpty())
            return birth.error;
        request.births.push_back(birth.date);
    }
    if (request.compare)
        return readComparedPersons(parser, request);
    if (!request.notify && request.persons.size() + qsizetype(births.size()) > 1)
        return !request.persons.isEmpty() && !births.isEmpty()
                   ? UserText("Arguments",
                              QT_TRANSLATE_NOOP("Arguments",
                                                "--birth und --person schließen einander aus."))
                   : UserText(
                         "Arguments",
                         QT_TRANSLATE_NOOP("Arguments", "Mehr als eine Person nur mit --compare."));
    if (!request.persons.isEmpty())
        request.person = request.persons.last();
    if (!request.births.empty())
        request.birth = request.births.back();
    return {};
}

} // namespace

bool CommandLineRequest::wantsListing() const {
    if (notify)
        return false;
    const bool filesOnly = !ics.isEmpty() || wantsPictures();
    return !filesOnly || outputGiven || formatGiven || days > 0 || (critical > 0 && ics.isEmpty());
}

QStringList spelledOutArguments(const QStringList& arguments) {
    return spellOut(arguments).arguments;
}

ParsedArguments parseArguments(const QStringList& given, const QDate& today) {
    const SpelledOut spelled = spellOut(given);
    if (!spelled.ambiguous.isEmpty())
        return usageError(
            UserText("Arguments",
                     QT_TRANSLATE_NOOP("Arguments", "Die Option „%1“ ist mehrdeutig; möglich "
                                                    "sind %2."))
                .arg(spelled.ambiguous)
                .arg(spelled.candidates.join(QStringLiteral(", "))));
    const QStringList& arguments = spelled.arguments;
    QCommandLineParser parser;
    for (const OptionText& option : optionTexts())
        parser.addOption(option.valueName
                             ? QCommandLineOption(option.names, QString(), option.valueName)
                             : QCommandLineOption(option.names));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(
                UserText("Arguments", QT_TRANSLATE_NOOP("Arguments", "Unbekannte Option „%1“."))
                    .arg((unknown.first().size() == 1 ? QLatin1String("-") : QLatin1String("--")) +
                         unknown.first()));
        // The only other failure: the last argument is an option that takes a value.
        return usageError(
            UserText("Arguments", QT_TRANSLATE_NOOP("Arguments", "Nach „%1“ fehlt ein Wert."))
                .arg(given.last()));
    }
    // The language was chosen from the arguments before they were read; here a wrong one is told.
    const LanguageChoice language = languageChoice(arguments);
    if (language.given && !language.language())
        return usageError(
            UserText(
                "Arguments",
                QT_TRANSLATE_NOOP("Arguments", "Unbekannte Sprache „%1“; möglich sind de und en."))
                .arg(language.name));
    if (parser.isSet(QStringLiteral("help")))
        return {ParsedArguments::Kind::Help, {}, helpText(), {}};
    if (parser.isSet(QStringLiteral("version")))
        return {ParsedArguments::Kind::Version, {}, versionText(), {}};
    // The program's entry opens the window for --window with no more than --lang beside it.
    if (parser.isSet(QStringLiteral("window")))
        return usageError(UserText(
            "Arguments", QT_TRANSLATE_NOOP("Arguments", "--window öffnet das Fenster und geht nur "
                                                        "mit --lang zusammen.")));
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            UserText("Arguments", QT_TRANSLATE_NOOP("Arguments", "Unerwartetes Argument „%1“."))
                .arg(parser.positionalArguments().first()));

    CommandLineRequest request;
    request.notify = parser.isSet(QStringLiteral("notify"));
    request.compare = parser.isSet(QStringLiteral("compare"));
    if (const UserText error = readSubjects(parser, request); !error.isEmpty())
        return usageError(error);
    request.date = today;
    if (parser.isSet(QStringLiteral("date"))) {
        const DateReading date = readDate(parser.value(QStringLiteral("date")));
        if (!date.error.isEmpty())
            return usageError(date.error);
        request.date = date.date;
    }
    for (const auto& [name, span] : {std::pair{QStringLiteral("days"), &request.days},
                                     std::pair{QStringLiteral("critical"), &request.critical}}) {
        if (!parser.isSet(name))
            continue;
        const SpanReading reading = readSpan(name, parser.value(name));
        if (!reading.error.isEmpty())
            return usageError(reading.error);
        *span = reading.days;
    }
    if (request.days > 0 && request.critical > 0)
        return usageError(UserText(
            "Arguments",
            QT_TRANSLATE_NOOP("Arguments", "--days und --critical schließen einander aus.")));
    // A comparison lists; the files are one person's.
    for (const char* name : {"days", "ics", "pdf", "png", "svg", "notify"}) {
        if (request.compare && parser.isSet(QLatin1String(name)))
            return usageError(
                UserText(
                    "Arguments",
                    QT_TRANSLATE_NOOP("Arguments", "--compare und --%1 schließen einander aus."))
                    .arg(QLatin1String(name)));
    }

    request.formatGiven = parser.isSet(QStringLiteral("format"));
    const QString format = parser.value(QStringLiteral("format"));
    if (format == QLatin1String("csv"))
        request.format = OutputFormat::Csv;
    else if (format == QLatin1String("json"))
        request.format = OutputFormat::Json;
    else if (request.formatGiven && format != QLatin1String("text"))
        return usageError(
            UserText("Arguments",
                     QT_TRANSLATE_NOOP("Arguments",
                                       "Unbekanntes Format „%1“; möglich sind text, csv und json."))
                .arg(format));

    for (const auto& [name, path] : {std::pair{QStringLiteral("output"), &request.output},
                                     std::pair{QStringLiteral("ics"), &request.ics},
                                     std::pair{QStringLiteral("pdf"), &request.pdf},
                                     std::pair{QStringLiteral("png"), &request.png},
                                     std::pair{QStringLiteral("svg"), &request.svg}}) {
        if (!parser.isSet(name))
            continue;
        *path = parser.value(name);
        if (path->isEmpty())
            return usageError(
                UserText("Arguments",
                         QT_TRANSLATE_NOOP("Arguments", "Nach „--%1“ fehlt ein Dateiname."))
                    .arg(name));
    }
    request.outputGiven = parser.isSet(QStringLiteral("output"));
    if (const UserText error = readReminderOptions(parser, request); !error.isEmpty())
        return usageError(error);
    return {ParsedArguments::Kind::Run, request, {}, {}};
}
