#pragma once

#include "core/Outcome.h"

#include <QString>
#include <functional>
#include <optional>

class Dialogs;
class QWidget;

// What the file dialog of a save shows and what is said once the file is saved.
struct SaveAsTexts {
    QString caption;
    QString filter;
    QString saved; // %1: the path, as the system writes paths
};

// One way to save a file the user names: the file dialog suggests fileName in the user's
// documents folder (the home folder where the system names none), the file is written through
// write under the busy cursor, and once it is written the user is told where it lies. Nothing
// when the user cancels; otherwise how the writing went, a failure left to the window to show
// (showFailure).
[[nodiscard]] std::optional<Outcome> saveAs(QWidget* parent, Dialogs& dialogs,
                                            const SaveAsTexts& texts, const QString& fileName,
                                            const std::function<Outcome(const QString&)>& write);
