#include "Application.h"

#include "gui/mainwindow/MainWindow.h"
#include "gui/platform/ExitSignals.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

Application::Application(ScreenSwitch screen, QObject* parent)
    : QObject(parent), m_screen(std::move(screen)),
      m_personFile(PersonFileLocation::forThisProgram()), m_exitSignals(new ExitSignals(this)) {
    m_mainWindow = std::make_unique<MainWindow>(
        MainWindow::Services{m_clock, m_screen, m_dialogs, m_printers, m_persons, m_personFile,
                             QCoreApplication::applicationDirPath(), m_userManager});
    // Nobody may be there to answer a message box now: the closing save and any box still open
    // must not hold the program up, so their messages go to standard error.
    connect(m_exitSignals, &ExitSignals::exitRequested, this, [this] {
        m_dialogs.stopAsking();
        m_mainWindow->leaveNow();
    });
}

Application::~Application() {
    // A printer lookup that still hangs in the print system would have its libraries torn down
    // under it by the process's normal end; so the process ends here, with the screen back.
    if (m_printers.isBusy()) {
        m_screen.restore();
        std::fflush(nullptr);
        ::_exit(EXIT_SUCCESS);
    }
}

void Application::start() {
    m_mainWindow->load();
    m_screen.showWindow(*m_mainWindow);
}

void Application::raiseWindow() {
    // Without a window manager the window raised last lies on top: the main window first, then
    // each dialog after the window it belongs to, so that a modal one never ends up hidden.
    QList<QWidget*> windows{m_mainWindow.get()};
    for (qsizetype below = 0; below < windows.size(); ++below) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->parentWidget() &&
                window->parentWidget()->window() == windows[below] && !windows.contains(window))
                windows.append(window);
        }
    }
    for (QWidget* window : windows)
        window->raise();
    windows.last()->activateWindow();
}

void Application::screenshotAndExit(const QString& path) {
    m_screenshotPath = path;
    m_mainWindow->installEventFilter(this);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_mainWindow.get() && event->type() == QEvent::Paint) {
        m_mainWindow->removeEventFilter(this);
        // Let this paint finish and the window settle before taking the picture.
        QTimer::singleShot(0, this, [this] {
            if (m_screenshotPath != QLatin1String("-"))
                m_mainWindow->grab().save(m_screenshotPath);
            m_mainWindow->exitProgram();
        });
    }
    return QObject::eventFilter(watched, event);
}
