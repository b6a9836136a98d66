#pragma once

#include "cli/CommandLineRequest.h"
#include "core/Outcome.h"

#include <memory>

class QCoreApplication;
struct Subject;

// The files that need Qt GUI to be drawn: the day report as PDF, the chart as PNG and SVG.
// They live in a library of their own beside the program (libbiorhythmus-pictures.so), so that
// the text path of the command line needs Qt Core alone.
class PictureOutput {
public:
    virtual ~PictureOutput() = default;
    // The application object the pictures are drawn under; it connects to no display.
    virtual std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) = 0;
    // Writes the files of --pdf, --png and --svg, each whole or not at all, and stops at the
    // first that fails; its sentence names the file.
    virtual Outcome write(const CommandLineRequest& request, const Subject& subject) = 0;
};

// What the pictures' library offers, looked up by this name when it is loaded.
extern "C" PictureOutput* biorhythmusPictures();
