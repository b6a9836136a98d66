#pragma once

#include "cli/PictureOutput.h"

// The day report as a PDF file and the chart with its day strip as PNG or SVG, drawn by the
// window's own painting code on Qt's offscreen platform: no display is needed or opened.
class DayPictures final : public PictureOutput {
public:
    std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) override;
    Outcome write(const CommandLineRequest& request, const Subject& subject) override;
};
