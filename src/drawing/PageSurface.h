#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;

// A printed page as a drawing surface with a current position, font, colour and line settings,
// laid over the printable area of the device the painter is active on (a printer or a PDF
// file). The painter's origin must be the top-left corner of the printable area, as it is for
// QPrinter and QPdfWriter.
//
// Two coordinate systems, both with y growing downwards:
// - character cells: x in cells of 1/12 inch, y in cells of 1/6 inch, origin at the top-left;
// - a user scale: left/top at the printable area's top-left corner, left + width at its right
//   edge, top + height at its bottom edge, except that the vertical scale is laid over at most
//   MaxScaleHeightInches. On taller printable areas (A4, Letter) the chart would otherwise
//   reach into the text rows below it, which are fixed in cells.
class PageSurface {
public:
    enum class LineStyle { Solid, Dotted };

    static constexpr double CellsPerInchX = 12.0;
    static constexpr double CellsPerInchY = 6.0;
    static constexpr double MaxScaleHeightInches = 10.9;

    explicit PageSurface(QPainter& painter);

    void setFontName(const QString& name);
    void setFontSize(double points);
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);

    void setColor(const QColor& color);
    void setLineWidth(int devicePixels);
    void setLineStyle(LineStyle style);

    void useCharacterCells();
    void useScale(double left, double top, double width, double height);

    void setPosition(double x, double y);
    void setX(double x) { m_x = x; }
    void setY(double y) { m_y = y; }

    // Draws the text with its top-left corner at the current position, then feeds a line:
    // x returns to the left edge of the coordinate system, y moves down one line of the
    // current font. An empty text only feeds the line.
    void printLine(const QString& text = QString());

    // Width of the text in the current font, in x units of the coordinate system in force.
    double textWidth(const QString& text) const;

    // Lines in the current width and style; both leave the current position at their end.
    void line(const QPointF& from, const QPointF& to);
    void lineTo(const QPointF& to, const QColor& color);

    // Where a point of the coordinate system in force lies, in device pixels.
    QPointF toDevice(const QPointF& point) const;
    double dpiY() const { return m_dpiY; }

private:
    void drawLine(const QPointF& from, const QPointF& to, const QColor& color);

    QPainter& m_painter;
    QSizeF m_printable; // device pixels
    double m_dpiX;
    double m_dpiY;

    QFont m_font;
    QColor m_color = Qt::black;
    int m_lineWidth = 1;
    LineStyle m_lineStyle = LineStyle::Solid;

    // The coordinate system in force: device = (value - origin) * unit.
    QPointF m_origin;
    double m_unitX;
    double m_unitY;

    double m_x = 0;
    double m_y = 0;
};
