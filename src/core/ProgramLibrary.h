#pragma once

class Outcome;

// The program keeps what needs Qt GUI in libraries beside itself and loads them only when they
// are asked for: Qt GUI and Widgets alone take longer to load than a whole command-line run of
// text.

// The entry of that name in the library of that file name in the program's own folder, loaded
// on first use; null when the library or its entry cannot be found, and problem then says why.
void* programLibraryEntry(const char* library, const char* name, Outcome& problem);
