#pragma once

#include <QDate>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <optional>

class QPainter;

// Screen chart units (ChartGeometry.h): x from 0 to 31 across the inner width, one y unit
// 8.1141 px.
inline constexpr double ChartYUnitPx = 121.7121 / 15.0;

// Draws the star field, the three curves around chartDayCount, the dotted zero line and the
// display-day marker into a surface whose inner area (in pixels) is innerSize. Given a second
// person's day count for the same display day, that person's three curves are drawn beneath,
// in the same colours, dashed.
void drawChart(QPainter& painter, const QSize& innerSize, std::int32_t chartDayCount,
               const QImage& starField, std::optional<std::int32_t> partnerDayCount = std::nullopt);

// Day-of-month labels for x = 0..31 around the display date ("1".."31").
QStringList dayStripLabels(const QDate& displayDate);

// Draws the day numbers, centred on x = 0..31, white on black, at the top of the strip.
void drawDayStrip(QPainter& painter, const QSize& innerSize, const QDate& displayDate);
