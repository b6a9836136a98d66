// The program's entry. Without arguments, or with no more than --lang and --window, it opens the
// window, which lives in a library beside the program (libbiorhythmus-gui.so) loaded only then;
// anything else is a run of the command line, which needs Qt Core alone.

#include "cli/CommandLine.h"
#include "cli/PictureLibrary.h"
#include "core/Outcome.h"
#include "core/ProgramLibrary.h"
#include "core/UiLanguage.h"
#include "gui/WindowEntry.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
// Without arguments, or with no more than a language the program speaks and --window once, the
// window opens; anything else is a run of the command line, which also tells of a wrong
// language and of --window among its own options.
bool opensWindow(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const LanguageChoice language = languageChoice(arguments);
    if (language.given && !language.language())
        return false;
    const qsizetype framed = arguments.count(QStringLiteral("--window"));
    return framed <= 1 && argc == 1 + language.words + framed;
}

// Says on standard error, in the language the start chose, why the program ends; the status.
int fail(int& argc, char* argv[], const Outcome& failure) {
    QCoreApplication telling(argc, argv);
    installUiLanguage(telling, startUiLanguage(QCoreApplication::arguments()));
    std::fprintf(stderr, "biorhythmus: %s\n", qPrintable(failure.text()));
    return 1;
}
} // namespace

int main(int argc, char* argv[]) {
    if (!opensWindow(argc, argv)) {
        PictureLibrary pictures;
        return runCommandLine(argc, argv, pictures);
    }
    using Entry = decltype(&biorhythmusWindow);
    Outcome problem;
    const auto window = reinterpret_cast<Entry>(
        programLibraryEntry("libbiorhythmus-gui.so", "biorhythmusWindow", problem));
    return window ? window(argc, argv) : fail(argc, argv, problem);
}
