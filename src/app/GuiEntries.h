#pragma once

class PictureOutput;

// What the program's library for Qt GUI offers the program (Launcher.cpp), which loads it
// only when a window or a picture is asked for. Both are looked up by these names.
extern "C" {
// The main window's start and its event loop, up to the end of the program; the exit status.
int biorhythmusWindow(int argc, char* argv[]);
// The day report and the chart as files, for the command line.
PictureOutput* biorhythmusPictures();
}
