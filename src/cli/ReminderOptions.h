#pragma once

#include "core/UserText.h"

class QCommandLineParser;
struct CommandLineRequest;

// The options that remind of critical days: --alarm and --alarm-before give the calendar file
// of --ics an alarm on the day or on the day before, at a time of day; --notify tells of the
// coming critical days on the desktop instead of listing them, and takes no file or listing
// option. Fills the request in; what is wrong with the call, or nothing.
UserText readReminderOptions(const QCommandLineParser& parser, CommandLineRequest& request);
