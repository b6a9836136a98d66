#pragma once

#include "CommandLineRequest.h"
#include "Outcome.h"

#include <QString>
#include <memory>

class QCoreApplication;
struct Subject;

// The files that need Qt GUI to be drawn: the day report as PDF, the chart as PNG and SVG.
// The program hands them in, so that the text path of the command line needs Qt Core alone.
class PictureOutput {
public:
    virtual ~PictureOutput() = default;
    // The application object the pictures are drawn under; it connects to no display.
    virtual std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) = 0;
    // Writes the files of --pdf, --png and --svg, each whole or not at all, and stops at the
    // first that fails; its sentence names the file.
    virtual Outcome write(const CommandLineRequest& request, const Subject& subject) = 0;
};

enum class ExitStatus { Success = 0, Failed = 1, UsageError = 2 };

// A run of the program with arguments: it reads them, computes and writes what they ask for,
// and returns the process's exit status. Help and version go to standard output, errors in
// German to standard error. It takes no lock, switches no screen and writes no person list.
int runCommandLine(int argc, char* argv[], PictureOutput& pictures);
