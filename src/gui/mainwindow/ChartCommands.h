#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Dialogs;
class QWidget;
struct MainWindowControls;

// The commands of the chart's and the day strip's context menu, which opens on the mouse's
// right button and on the keyboard's menu keys: the critical days (also Ctrl+Shift+K from every
// field of the window), the partner comparison (also Ctrl+Shift+V), the chart saved as a
// picture and copied to the clipboard, and the reminders of critical days.
struct ChartCommandHandlers {
    std::function<void()> criticalDays;
    std::function<void()> compare;
    std::function<void()> savePicture;
    std::function<void()> copyPicture;
    std::function<void()> reminders;
};
void addChartCommands(QWidget* window, const MainWindowControls& controls,
                      const ChartCommandHandlers& handlers);

// Asks for a file name (see saveAs) and saves the chart picture there as PNG or SVG, titled
// with the person's name (empty: the birth date), telling the user where it went or what went
// wrong.
void saveChartPictureAs(QWidget* parent, Dialogs& dialogs, const QString& name, const QDate& birth,
                        const QDate& display);

void copyChartPicture(const QDate& birth, const QDate& display);
