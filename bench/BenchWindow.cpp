#include "BenchWindow.h"

#include <QCoreApplication>
#include <QEvent>

BenchWindow::BenchWindow()
    : m_window(MainWindow::Services{m_clock, m_screen, m_dialogs, m_printers, m_persons,
                                    m_personFile, QCoreApplication::applicationDirPath(),
                                    m_userManager}) {
    m_window.load();
    m_window.resize(640, 480);
    m_window.show();
    QCoreApplication::processEvents();
}

void BenchWindow::step() {
    m_window.stepDisplayDate(+1);
    QCoreApplication::sendPostedEvents(&m_window, QEvent::UpdateRequest);
}
