#include "WindowLayout.h"

#include "gui/controls/DateInput.h"
#include "gui/mainwindow/AnimationStrip.h"
#include "gui/mainwindow/ChartSurfaces.h"
#include "gui/mainwindow/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>

namespace {

FrameText labelText(const QLabel& label) {
    const int m = label.margin();
    return {label.contentsRect().adjusted(m, m, -m, -m).translated(label.pos()),
            label.font(),
            int(label.alignment()) | (label.wordWrap() ? int(Qt::TextWordWrap) : 0),
            label.palette().color(QPalette::WindowText),
            label.autoFillBackground() ? label.palette().color(QPalette::Window) : QColor(),
            label.text()};
}

// A line edit's or a date input's text, where the field draws it: left, centred in height.
FrameText fieldText(const QWidget& field, const QString& text) {
    return {field.geometry(),
            field.font(),
            int(Qt::AlignLeft | Qt::AlignVCenter),
            field.palette().color(QPalette::Text),
            field.palette().color(QPalette::Base),
            text};
}

// The resource under :/pictures whose pixels the control shows.
QString resourceShowing(const QPixmap& shown) {
    const QImage wanted = shown.toImage().convertToFormat(QImage::Format_ARGB32);
    QDirIterator pictures(QStringLiteral(":/pictures"), {QStringLiteral("*.png")});
    while (pictures.hasNext()) {
        const QString path = pictures.next();
        if (QImage(path).convertToFormat(QImage::Format_ARGB32) == wanted)
            return path;
    }
    std::fprintf(stderr, "no picture under :/pictures shows what the window shows\n");
    std::exit(1);
}

FramePicture picture(const QWidget& control, const QPixmap& shown) {
    const QColor background =
        control.autoFillBackground() ? control.palette().color(QPalette::Window) : QColor();
    return {control.geometry(), background, resourceShowing(shown)};
}

// Where MainWindow::load takes the clip from: the program's folder, as BenchWindow gives it.
QString clipBesideProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("za.vdi"));
}

} // namespace

FrameLayout windowLayout(const MainWindow& window) {
    const MainWindowControls& c = window.controls();
    FrameLayout layout;
    layout.size = window.size();
    layout.chart = c.P1->geometry();
    layout.strip = c.P2->geometry();
    layout.birth = c.M1->date();
    layout.display = c.M2->date();
    for (int i = 0; i < 3; ++i)
        layout.texts.push_back(labelText(*c.L3[i]));
    for (int i = 0; i < 2; ++i) {
        layout.texts.push_back(fieldText(*c.T1[i], c.T1[i]->text()));
        const DateInput* date = i == 0 ? c.M1 : c.M2;
        layout.texts.push_back(fieldText(*date, date->text()));
    }
    for (int i = 0; i < 3; ++i)
        layout.texts.push_back(labelText(*c.L1[i]));
    for (const QToolButton* button : c.C1)
        layout.pictures.push_back(picture(*button, button->icon().pixmap(button->iconSize())));
    for (const QLabel* sample : c.I1)
        layout.pictures.push_back(picture(*sample, sample->pixmap()));
    if (c.A1->isPlaying())
        layout.pictures.push_back(
            {c.A1->geometry(), c.A1->palette().color(QPalette::Window), clipBesideProgram()});
    for (int i = 0; i < 3; ++i) {
        layout.percentages[i] = labelText(*c.L2[i]);
        layout.phaseTexts[i] = labelText(*c.L4[i]);
    }
    return layout;
}
