#pragma once

#include <functional>

class QWidget;
struct MainWindowControls;

// The main window's keys, each doing what its button does: F1 help, Ctrl+Shift+E the person
// editor (Ctrl+E alone is "end of line" in the text and date fields), Ctrl+P print, Ctrl+Q
// leave. Ctrl+Shift+P saves the day report as a PDF file through
// savePdf; the same command sits on the print button's context menu, which Shift+F10 opens.
void addMainWindowShortcuts(QWidget* window, const MainWindowControls& controls,
                            const std::function<void()>& savePdf);
