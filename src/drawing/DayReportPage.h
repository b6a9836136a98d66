#pragma once

#include "core/DayReport.h"

#include <QString>
#include <array>

class QPainter;
class PageSurface;

// Fixed places of the page, in character cells (1/12 inch across, 1/6 inch down).
inline constexpr double ReportLeftCell = 13;
inline constexpr double TitleRowCell = 4;
inline constexpr double RuleRowCell = 5.5;
inline constexpr double RuleRightCell = 82;
inline constexpr double DateLineCell = 16;
inline constexpr double LegendRowCell = 28;

// The chart scale laid over the printable area: x from -7 to 39, y from -18 to 72.
inline constexpr double ChartScaleLeft = -7;
inline constexpr double ChartScaleTop = -18;
inline constexpr double ChartScaleWidth = 46;
inline constexpr double ChartScaleHeight = 90;

// The four printed lines of an interpretation text: characters 1-99, 100-199, 200-299 and
// 300-398, cut at these fixed places, inside words too; empty where the text is shorter.
std::array<QString, 4> reportTextLines(const QString& text);

// "<birth caption>  <birth date>" twenty spaces "<display caption>  <display date>".
QString reportDateLine(const DayReport& report);

// Builds the whole day report on the page, element by element from the title to the last
// line of the intellectual block.
void drawDayReport(PageSurface& page, const DayReport& report);

// The day report on the paged device the painter is active on.
void paintDayReport(QPainter& painter, const DayReport& report);
