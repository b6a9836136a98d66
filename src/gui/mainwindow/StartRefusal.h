#pragma once

#include <QString>

// When the program cannot start: says why in German on standard error and, where a display
// answers, in a message box; returns the exit status.
int refuseToStart(int& argc, char** argv, const QString& problem);
