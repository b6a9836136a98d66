#include "ChartCommands.h"

#include "core/DateRules.h"
#include "drawing/ChartPicture.h"
#include "gui/mainwindow/ChartSurfaces.h"
#include "gui/mainwindow/MainWindowControls.h"
#include "gui/platform/Dialogs.h"
#include "gui/platform/SaveAs.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChartCommands)
};

QAction* command(QWidget* window, const QString& text, const std::function<void()>& handler) {
    auto* action = new QAction(text, window);
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}
} // namespace

void addChartCommands(QWidget* window, const MainWindowControls& controls,
                      const ChartCommandHandlers& handlers) {
    QAction* days = command(window, Texts::tr("Kritische Tage..."), handlers.criticalDays);
    QAction* compare = command(window, Texts::tr("Partnervergleich..."), handlers.compare);
    for (const auto& [action, key] : {std::pair{days, Qt::Key_K}, std::pair{compare, Qt::Key_V}}) {
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key));
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    const QList<QAction*> menu{
        days, compare,
        command(window, Texts::tr("Diagramm als Bild speichern..."), handlers.savePicture),
        command(window, Texts::tr("Diagramm kopieren"), handlers.copyPicture),
        command(window, Texts::tr("Erinnerungen..."), handlers.reminders)};
    for (DaySurface* surface : std::initializer_list<DaySurface*>{controls.P1, controls.P2}) {
        surface->addActions(menu);
        surface->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void saveChartPictureAs(QWidget* parent, Dialogs& dialogs, const QString& name, const QDate& birth,
                        const QDate& display) {
    const auto saved =
        saveAs(parent, dialogs,
               {Texts::tr("Diagramm als Bild speichern"),
                Texts::tr("PNG-Bilder (*.png);;SVG-Bilder (*.svg)"),
                Texts::tr("Das Diagramm ist in der Datei „%1“ gespeichert.")},
               QStringLiteral("Biorhythmus-%1.png").arg(shortDateText(display)),
               [&](const QString& path) { return saveChartPicture(path, name, birth, display); });
    if (saved)
        showFailure(dialogs, parent, *saved);
}

void copyChartPicture(const QDate& birth, const QDate& display) {
    QGuiApplication::clipboard()->setImage(chartPictureImage(birth, display));
}
