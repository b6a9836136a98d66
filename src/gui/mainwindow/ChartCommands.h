#pragma once

#include <QDate>
#include <functional>

class Dialogs;
class QWidget;
struct MainWindowControls;

// The commands of the chart's and the day strip's context menu, which opens on the mouse's
// right button and on the keyboard's menu keys: the critical days (also Ctrl+Shift+K from every
// field of the window), the partner comparison (also Ctrl+Shift+V), the chart saved as a
// picture and copied to the clipboard.
struct ChartCommandHandlers {
    std::function<void()> criticalDays;
    std::function<void()> compare;
    std::function<void()> savePicture;
    std::function<void()> copyPicture;
};
void addChartCommands(QWidget* window, const MainWindowControls& controls,
                      const ChartCommandHandlers& handlers);

// Asks for a file name in the documents folder and saves the chart picture there as PNG or
// SVG, telling the user in German where it went or what went wrong.
void saveChartPictureAs(QWidget* parent, Dialogs& dialogs, const QDate& birth,
                        const QDate& display);

void copyChartPicture(const QDate& birth, const QDate& display);
