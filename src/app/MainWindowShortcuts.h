#pragma once

#include <functional>

class QWidget;
struct MainWindowControls;

// The main window's keys, each doing what its button does: F1 help, Ctrl+E the person editor,
// Ctrl+P print, Ctrl+Q leave. Ctrl+Shift+P saves the day report as a PDF file through
// savePdf; the same command sits on the print button's context menu.
void addMainWindowShortcuts(QWidget* window, const MainWindowControls& controls,
                            const std::function<void()>& savePdf);
