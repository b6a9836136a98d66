// The program's entry. Qt GUI and Widgets alone take longer to load than a whole command-line
// run of text, so the window and the pictures live in a library beside the program
// (libbiorhythmus-gui.so) that is loaded only when they are asked for: without arguments (or
// with --lang alone), and for --pdf, --png and --svg.

#include "CommandLine.h"
#include "GuiEntries.h"
#include "UiLanguage.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace {

// The folder of the running program, links followed, as the library is installed beside it.
std::string programFolder() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    path.resize(length > 0 ? std::size_t(length) : 0);
    return path.substr(0, path.rfind('/') + 1);
}

// An entry of the library, loaded on first use; the program cannot go on without it, and says
// why in German.
void* guiEntry(const char* name) {
    static void* library = nullptr;
    const std::string path = programFolder() + "libbiorhythmus-gui.so";
    // Lazily bound, as a program linked with the library would be: binding all of its calls into
    // Qt at once costs the window's start a tenth more time.
    if (!library)
        library = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    void* entry = library ? dlsym(library, name) : nullptr;
    if (!entry) {
        std::fprintf(
            stderr, "%s",
            QCoreApplication::translate("Launcher", "biorhythmus: Die Programmbibliothek %1 lässt "
                                                    "sich nicht laden: %2\n")
                .arg(QString::fromLocal8Bit(path.c_str()), QString::fromLocal8Bit(dlerror()))
                .toLocal8Bit()
                .constData());
        std::exit(int(ExitStatus::Failed));
    }
    return entry;
}

// The pictures of the library, loaded on their first use.
class LibraryPictures final : public PictureOutput {
public:
    std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) override {
        return pictures().makeApplication(argc, argv);
    }
    Outcome write(const CommandLineRequest& request, const Subject& subject) override {
        return pictures().write(request, subject);
    }

private:
    PictureOutput& pictures() {
        using Entry = decltype(&biorhythmusPictures);
        return *reinterpret_cast<Entry>(guiEntry("biorhythmusPictures"))();
    }
};

// Without arguments, or with no more than a language the program speaks, the window opens;
// anything else is a run of the command line, which also tells of a wrong language.
bool opensWindow(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const int languageWords = arguments.contains(QLatin1String("--lang")) ? 2 : 1;
    return argc == 1 || (argc == 1 + languageWords && uiLanguageNamed(languageArgument(arguments)));
}

} // namespace

int main(int argc, char* argv[]) {
    if (!opensWindow(argc, argv)) {
        LibraryPictures pictures;
        return runCommandLine(argc, argv, pictures);
    }
    using Entry = decltype(&biorhythmusWindow);
    return reinterpret_cast<Entry>(guiEntry("biorhythmusWindow"))(argc, argv);
}
