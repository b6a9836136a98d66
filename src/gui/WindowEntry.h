#pragma once

// What the window's library offers the program's entry, which loads it only when a window is
// asked for; looked up by this name.
extern "C" {
// The main window's start and its event loop, up to the end of the program; the exit status.
int biorhythmusWindow(int argc, char* argv[]);
}
