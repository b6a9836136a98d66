#pragma once

#include <QString>

// Text from files (a name or a date from DATA.DAT, a file name) on its way to a person at a
// terminal. A terminal obeys control characters instead of showing them: an escape sequence in
// a name could retitle the window or clear the screen, and a NUL ended a message as C strings
// do. So what goes to standard error, and what goes to a terminal, shows them as escapes;
// data written to a file or a pipe stays exactly the data.

// The text with each control character written out: C0 controls and DEL as "\x1b", C1
// controls as "\u009b", a byte of a file name that is no UTF-8 (kept as U+DC80..U+DCFF) as
// "\xff", any other lone surrogate as U+FFFD. keepLineBreaks leaves "\n" as it is.
QString visibleControls(const QString& text, bool keepLineBreaks);

// Writes the text and a line end to standard error, its controls made visible, all of it.
void printLine(const QString& text);

// Whether the output, a path or "-" for standard output, is a terminal.
bool isTerminal(const QString& output);
