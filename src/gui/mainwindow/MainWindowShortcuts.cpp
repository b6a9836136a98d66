#include "MainWindowShortcuts.h"

#include "gui/controls/ContextMenuKey.h"
#include "gui/mainwindow/MainWindowControls.h"

#include <QAction>
#include <QKeySequence>

namespace {
QAction* addKey(QWidget* owner, const QString& text, const QKeySequence& key) {
    auto* action = new QAction(text, owner);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(action);
    return action;
}
} // namespace

void addMainWindowShortcuts(QWidget* window, const MainWindowControls& controls,
                            const std::function<void()>& savePdf) {
    const std::array<QKeySequence, 4> keys{
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), QKeySequence(Qt::Key_F1),
        QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::Key_Q)};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        QToolButton* button = controls.C1[i];
        QAction* action = addKey(window, button->toolTip(), keys[i]);
        QObject::connect(action, &QAction::triggered, button, &QToolButton::click);
    }

    QToolButton* print = controls.C1[2];
    QAction* pdf = addKey(print, QObject::tr("Tagesbericht als PDF-Datei speichern …"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QObject::connect(pdf, &QAction::triggered, window, savePdf);
    print->setContextMenuPolicy(Qt::ActionsContextMenu);
    addContextMenuKey(window);
}
