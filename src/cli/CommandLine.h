#pragma once

#include "cli/CommandLineRequest.h"

#include <QString>

class PictureOutput;

enum class ExitStatus { Success = 0, Failed = 1, UsageError = 2 };

// A run of the program with arguments: it reads them, computes and writes what they ask for,
// and returns the process's exit status. Help and version go to standard output, errors in
// German to standard error. It takes no lock, switches no screen and writes no person list.
int runCommandLine(int argc, char* argv[], PictureOutput& pictures);
