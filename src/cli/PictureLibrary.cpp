#include "PictureLibrary.h"

#include "core/ProgramLibrary.h"

#include <QCoreApplication>

std::unique_ptr<QCoreApplication> PictureLibrary::makeApplication(int& argc, char* argv[]) {
    if (PictureOutput* loaded = pictures())
        return loaded->makeApplication(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

Outcome PictureLibrary::write(const CommandLineRequest& request, const Subject& subject) {
    if (PictureOutput* loaded = pictures())
        return loaded->write(request, subject);
    return m_problem;
}

PictureOutput* PictureLibrary::pictures() {
    using Entry = decltype(&biorhythmusPictures);
    const auto entry = reinterpret_cast<Entry>(
        programLibraryEntry("libbiorhythmus-pictures.so", "biorhythmusPictures", m_problem));
    return entry ? entry() : nullptr;
}
