#include "PictureSet.h"

#include "Backgrounds.h"
#include "ClassicPalette.h"
#include "CommandIcons.h"
#include "WaveMotifs.h"

namespace {
constexpr int ClipFrames = 24;
constexpr int ClipDelayCentiseconds = 7;
const QSize ClipSize(59, 25);
const QSize CommandIconSize(24, 22);
const QSize LineSampleSize(39, 15);
} // namespace

QList<NamedPicture> drawAllPictures() {
    return {
        {QStringLiteral("pictures/starfield.png"), drawStarField(QSize(600, 161))},
        {QStringLiteral("pictures/tile.png"), drawTile(QSize(29, 27))},
        {QStringLiteral("pictures/persons.png"), drawPersonsIcon(CommandIconSize)},
        {QStringLiteral("pictures/help.png"), drawHelpIcon(CommandIconSize)},
        {QStringLiteral("pictures/print.png"), drawPrintIcon(CommandIconSize)},
        {QStringLiteral("pictures/exit.png"), drawExitIcon(CommandIconSize)},
        {QStringLiteral("pictures/line-red.png"), drawLineSample(LineSampleSize, Qt::red)},
        {QStringLiteral("pictures/line-blue.png"), drawLineSample(LineSampleSize, Qt::blue)},
        {QStringLiteral("pictures/line-green.png"), drawLineSample(LineSampleSize, Qt::green)},
        {QStringLiteral("pictures/icon.png"), drawAppIcon(32)},
        {QStringLiteral("pictures/icon-48.png"), drawAppIcon(48)},
        {QStringLiteral("pictures/icon-64.png"), drawAppIcon(64)},
        {QStringLiteral("pictures/icon-128.png"), drawAppIcon(128)},
        {QStringLiteral("pictures/logo.png"), drawLogo(QSize(56, 25))},
    };
}

NamedDrawing drawScalableIcon() {
    return {QStringLiteral("pictures/icon.svg"), drawAppIconSvg()};
}

GifAnimation drawClip() {
    GifAnimation clip{ClipSize, classicPalette(), {}, 0};
    for (const QImage& frame : drawClipFrames(ClipSize, ClipFrames))
        clip.frames << GifFrame{frame, ClipDelayCentiseconds};
    return clip;
}

QString clipFileName() {
    return QStringLiteral("za.vdi");
}
