#pragma once

class Outcome;

// The refusal that problem makes: the program cannot start, and why.
Outcome startRefusal(const Outcome& problem);

// When the program cannot start: says why on standard error and, where a display answers, in a
// message box, both in the language the start chose; returns the exit status.
int refuseToStart(int& argc, char** argv, const Outcome& problem);
