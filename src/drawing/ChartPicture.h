#pragma once

#include "core/Outcome.h"
#include "drawing/Twips.h"

#include <QDate>
#include <QImage>
#include <QSize>

class QPainter;

// The chart with its day strip below it, as the main window shows them for a birth date and a
// display date: both frames and everything inside them, pixel for pixel, one directly above
// the other. The window's picture export and programs without a window draw it through here.
// The chart's sunken frame takes its shades from the application's palette, as the window's
// own frame does.

// Where the chart and the day strip lie in the main window, and the widths of their frames: a
// sunken panel around the chart, a plain line in the text colour around the strip.
inline constexpr Twips ChartPlace{420, 810, 8685, 2295};
inline constexpr Twips StripPlace{420, 3120, 8685, 285};
inline constexpr int ChartFrameWidth = 2;
inline constexpr int StripFrameWidth = 1;

// 579 x 172 pixels.
QSize chartPictureSize();

// Paints the picture with its top left corner at the painter's origin; with a valid second
// birth date, that person's curves dashed beside the first's.
void paintChartPicture(QPainter& painter, const QDate& birth, const QDate& display,
                       const QDate& partnerBirth = QDate());

QImage chartPictureImage(const QDate& birth, const QDate& display);

enum class PictureFormat { Png, Svg };

// The picture in the format, written as writeOutputFile does (core/WholeFile.h); a failure's
// sentence names the file. It carries its title and description (chartPictureWords: whose chart,
// which days, which curves) as the SVG's <title> and <desc>, the PNG's text chunks Title and
// Description. name is the person's, empty for a birth date typed in.
Outcome saveChartPicture(const QString& path, const QString& name, const QDate& birth,
                         const QDate& display, PictureFormat format);

// The same as PNG or, for a path ending in ".svg", as SVG.
Outcome saveChartPicture(const QString& path, const QString& name, const QDate& birth,
                         const QDate& display);
