#include "Arguments.h"

#include "core/DateRules.h"
#include "core/UiLanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
         QT_TRANSLATE_NOOP("Arguments", "Geburtsdatum, als TT.MM.JJJJ oder JJJJ-MM-TT.")},
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
        {{"f", "format"},
         QT_TRANSLATE_NOOP("Arguments", "Format"),
         QT_TRANSLATE_NOOP("Arguments", "text, csv oder json (Vorgabe: text).")},
        {{"o", "output"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Schreibt in die Datei; - ist die Standardausgabe.")},
        {{"ics"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Kalenderdatei der kritischen Tage (Vorgabe: 90 Tage).")},
        {{"pdf"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Der Tagesbericht als PDF-Datei, wie gedruckt.")},
        {{"png"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Das Diagramm mit der Tagesleiste als PNG-Bild.")},
        {{"svg"},
         QT_TRANSLATE_NOOP("Arguments", "Datei"),
         QT_TRANSLATE_NOOP("Arguments", "Das Diagramm mit der Tagesleiste als SVG-Bild.")},
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
    for (const OptionText& option : optionTexts())
        text += QStringLiteral("  %1  %2\n")
                    .arg(optionSynopsis(option), -22)
                    .arg(Texts::tr(option.description));
    text += Texts::tr("\nRückgabewert: 0 bei Erfolg, 1 wenn etwas nicht gelang (eine Datei,\n"
                      "die Personenliste), 2 bei falschem Aufruf.\n");
    return text;
}

ParsedArguments usageError(const QString& message) {
    return {ParsedArguments::Kind::UsageError, {}, message};
}

struct DateReading {
    QDate date;
    QString error;
};

DateReading readDate(const QString& text) {
    const QDate date = readDateText(text);
    if (!date.isValid())
        return {
            {},
            Texts::tr("„%1“ ist kein Datum; erwartet wird TT.MM.JJJJ oder JJJJ-MM-TT.").arg(text)};
    if (!isAcceptedDate(date))
        return {{}, dateRangeMessage()};
    return {date, {}};
}

struct SpanReading {
    int days = 0;
    QString error;
};

SpanReading readSpan(const QString& option, const QString& text) {
    bool ok = false;
    const int days = text.toInt(&ok);
    if (!ok || days < 1 || days > LongestSpan)
        return {0, Texts::tr("--%1 erwartet eine ganze Zahl von 1 bis %2, nicht „%3“.")
                       .arg(option)
                       .arg(LongestSpan)
                       .arg(text)};
    return {days, {}};
}

} // namespace

bool CommandLineRequest::wantsListing() const {
    const bool filesOnly = !ics.isEmpty() || wantsPictures();
    return !filesOnly || outputGiven || formatGiven || days > 0 || (critical > 0 && ics.isEmpty());
}

ParsedArguments parseArguments(const QStringList& arguments, const QDate& today) {
    QCommandLineParser parser;
    for (const OptionText& option : optionTexts())
        parser.addOption(option.valueName
                             ? QCommandLineOption(option.names, QString(), option.valueName)
                             : QCommandLineOption(option.names));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(
                Texts::tr("Unbekannte Option „%1“.")
                    .arg((unknown.first().size() == 1 ? QLatin1String("-") : QLatin1String("--")) +
                         unknown.first()));
        // The only other failure: the last argument is an option that takes a value.
        return usageError(Texts::tr("Nach „%1“ fehlt ein Wert.").arg(arguments.last()));
    }
    // The language was chosen from the arguments before they were read; here a wrong one is told.
    const LanguageChoice language = languageChoice(arguments);
    if (language.given && !language.language())
        return usageError(
            Texts::tr("Unbekannte Sprache „%1“; möglich sind de und en.").arg(language.name));
    if (parser.isSet(QStringLiteral("help")))
        return {ParsedArguments::Kind::Help, {}, helpText()};
    if (parser.isSet(QStringLiteral("version")))
        return {ParsedArguments::Kind::Version,
                {},
                QStringLiteral("biorhythmus %1\n").arg(QLatin1String(BIO_VERSION))};
    // The program's entry opens the window for --window with no more than --lang beside it.
    if (parser.isSet(QStringLiteral("window")))
        return usageError(
            Texts::tr("--window öffnet das Fenster und geht nur mit --lang zusammen."));
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            Texts::tr("Unerwartetes Argument „%1“.").arg(parser.positionalArguments().first()));

    CommandLineRequest request;
    const bool hasBirth = parser.isSet(QStringLiteral("birth"));
    request.person = parser.value(QStringLiteral("person"));
    if (parser.isSet(QStringLiteral("person")) && request.person.isEmpty())
        return usageError(Texts::tr("Nach „--person“ fehlt ein Name."));
    if (hasBirth == parser.isSet(QStringLiteral("person")))
        return usageError(hasBirth ? Texts::tr("--birth und --person schließen einander aus.")
                                   : Texts::tr("Bitte --birth DATUM oder --person NAME angeben."));
    if (hasBirth) {
        const DateReading birth = readDate(parser.value(QStringLiteral("birth")));
        if (!birth.error.isEmpty())
            return usageError(birth.error);
        request.birth = birth.date;
    }
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
        return usageError(Texts::tr("--days und --critical schließen einander aus."));

    request.formatGiven = parser.isSet(QStringLiteral("format"));
    const QString format = parser.value(QStringLiteral("format"));
    if (format == QLatin1String("csv"))
        request.format = OutputFormat::Csv;
    else if (format == QLatin1String("json"))
        request.format = OutputFormat::Json;
    else if (request.formatGiven && format != QLatin1String("text"))
        return usageError(
            Texts::tr("Unbekanntes Format „%1“; möglich sind text, csv und json.").arg(format));

    for (const auto& [name, path] : {std::pair{QStringLiteral("output"), &request.output},
                                     std::pair{QStringLiteral("ics"), &request.ics},
                                     std::pair{QStringLiteral("pdf"), &request.pdf},
                                     std::pair{QStringLiteral("png"), &request.png},
                                     std::pair{QStringLiteral("svg"), &request.svg}}) {
        if (!parser.isSet(name))
            continue;
        *path = parser.value(name);
        if (path->isEmpty())
            return usageError(Texts::tr("Nach „--%1“ fehlt ein Dateiname.").arg(name));
    }
    request.outputGiven = parser.isSet(QStringLiteral("output"));
    return {ParsedArguments::Kind::Run, request, {}};
}
