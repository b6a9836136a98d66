#pragma once

#include "cli/PictureOutput.h"

// The pictures of the library beside the program, loaded on their first use.
class PictureLibrary final : public PictureOutput {
public:
    std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) override;
    Outcome write(const CommandLineRequest& request, const Subject& subject) override;

private:
    PictureOutput& pictures();
};
