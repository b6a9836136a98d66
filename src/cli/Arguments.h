#pragma once

#include "cli/CommandLineRequest.h"
#include "core/Outcome.h"

#include <QStringList>

// The arguments of a command-line run, read with QCommandLineParser. Every option has a long
// form and, where usual, a short one; the help text is German.
struct ParsedArguments {
    enum class Kind { Run, Help, Version, UsageError };
    Kind kind = Kind::Run;
    CommandLineRequest request; // for Run
    QString text;               // the help text or the version line
    Outcome problem;            // for UsageError: what is wrong with the call
};

// arguments as QCoreApplication::arguments() gives them, the program's name first. A long
// option may be shortened to any beginning that no other option shares ("--bir").
ParsedArguments parseArguments(const QStringList& arguments, const QDate& today);

// The arguments with each shortened long option written out ("--la en" as "--lang en"), for
// what reads them before parseArguments(): the choice of language, the window's start.
QStringList spelledOutArguments(const QStringList& arguments);
