#pragma once

#include "core/UserText.h"

#include <QString>

// Why the system refused, in the program's language. The system words its reasons in the
// language of the machine's locale (English under C or POSIX), and Qt words some of them in its
// own English, so a German message would end in "Permission denied". The common reasons of
// failed file operations are therefore worded by the program itself; any other keeps the
// system's words.

// The reason for an errno value.
UserText systemReason(int error);

// The reason the system gave in words (strerror(), QIODevice::errorString()): ours where the
// words are those of a common reason, else the words as they are. Qt hides the errno behind
// its files' errorString(), so the words are what is left to tell the reason by.
UserText systemReasonIn(const QString& words);
