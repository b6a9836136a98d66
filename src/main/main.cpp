// The program's entry. Without arguments, or with no more than --lang and --window, it opens the
// window, which lives in a library beside the program (libbiorhythmus-gui.so) loaded only then;
// anything else is a run of the command line, which needs Qt Core alone.

#include "cli/Arguments.h"
#include "cli/CommandLine.h"
#include "cli/PictureLibrary.h"
#include "cli/TerminalText.h"
#include "core/Outcome.h"
#include "core/ProgramLibrary.h"
#include "core/UiLanguage.h"
#include "gui/WindowEntry.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
// Without arguments, or with no more than a language the program speaks and --window once, the
// window opens; anything else is a run of the command line, which also tells of a wrong
// language and of --window among its own options.
bool opensWindow(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QStringList spelled = spelledOutArguments(arguments);
    const LanguageChoice language = languageChoice(spelled);
    if (language.given && !language.language())
        return false;
    const qsizetype framed = spelled.count(QStringLiteral("--window"));
    return framed <= 1 && argc == 1 + language.words + framed;
}

// Whether a window can be shown: an X or Wayland display is named, or Qt is told a platform of
// its own (offscreen, a frame buffer). Without either Qt would abort the program with words
// for developers; over ssh or on a text console there is none.
bool hasDisplay() {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const QString& platform : platforms.split(u';', Qt::SkipEmptyParts))
        if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
            return true;
    return false;
}

Outcome noDisplay() {
    return Outcome::failure(UserText(
        "main", QT_TRANSLATE_NOOP("main", "Das Fenster braucht eine grafische Oberfläche (X11 "
                                          "oder Wayland), aber DISPLAY und WAYLAND_DISPLAY nennen "
                                          "keine. Auf der Befehlszeile rechnet Biorhythmus ohne "
                                          "Fenster, etwa „biorhythmus --birth 20.11.1953“; "
                                          "„biorhythmus --help“ zeigt alle Optionen.")));
}

// Says on standard error, in the language the start chose, why the program ends; the status.
int fail(int& argc, char* argv[], const Outcome& failure) {
    QCoreApplication telling(argc, argv);
    installUiLanguage(telling, startUiLanguage(spelledOutArguments(QCoreApplication::arguments())));
    printLine(QStringLiteral("biorhythmus: %1").arg(failure.text()));
    return 1;
}
} // namespace

int main(int argc, char* argv[]) {
    if (!opensWindow(argc, argv)) {
        PictureLibrary pictures;
        return runCommandLine(argc, argv, pictures);
    }
    if (!hasDisplay())
        return fail(argc, argv, noDisplay());
    using Entry = decltype(&biorhythmusWindow);
    Outcome problem;
    const auto window = reinterpret_cast<Entry>(
        programLibraryEntry("libbiorhythmus-gui.so", "biorhythmusWindow", problem));
    return window ? window(argc, argv) : fail(argc, argv, problem);
}
