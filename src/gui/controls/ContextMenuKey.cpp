#include "ContextMenuKey.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QWidget>

void addContextMenuKey(QWidget* window) {
    auto* action = new QAction(window);
    action->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    QObject::connect(action, &QAction::triggered, window, [window] {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || focused->window() != window)
            return;
        const QPoint centre = focused->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, focused->mapToGlobal(centre));
        QApplication::sendEvent(focused, &menu);
    });
}
