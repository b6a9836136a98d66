#pragma once

class Outcome;
class QWidget;
class UserText;

// The refusal that problem makes: the program cannot start, and why.
Outcome startRefusal(const Outcome& problem);

// When the program cannot start: says why on standard error and, where a display answers, in a
// message box, both in the language the start chose; returns the exit status.
int refuseToStart(int& argc, char** argv, const Outcome& problem);

// What the first program has to tell about its start, on standard error and in a message box
// over the window, in the language the start chose; the program goes on meanwhile.
void tellOnStart(const UserText& notice, QWidget* window);
