#pragma once

#include "cli/PictureOutput.h"

// The pictures of the library beside the program, loaded on their first use. Without the
// library the application object is a plain one, and write() says why no file was written.
class PictureLibrary final : public PictureOutput {
public:
    std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) override;
    Outcome write(const CommandLineRequest& request, const Subject& subject) override;

private:
    PictureOutput* pictures(); // null without the library; m_problem then says why

    Outcome m_problem;
};
