#include "PictureLibrary.h"

#include "core/ProgramLibrary.h"

#include <QCoreApplication>

std::unique_ptr<QCoreApplication> PictureLibrary::makeApplication(int& argc, char* argv[]) {
    return pictures().makeApplication(argc, argv);
}

Outcome PictureLibrary::write(const CommandLineRequest& request, const Subject& subject) {
    return pictures().write(request, subject);
}

PictureOutput& PictureLibrary::pictures() {
    using Entry = decltype(&biorhythmusPictures);
    return *reinterpret_cast<Entry>(
        programLibraryEntry("libbiorhythmus-pictures.so", "biorhythmusPictures"))();
}
