#pragma once

#include "drawing/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <initializer_list>

class QLabel;
class QWidget;

// Helpers shared by every window that is laid out from a table of controls: each control has
// its objectName, its place in twips and its font as the window's design gives them.

// Arial in the given size, or the installed family that stands in for it.
QFont arial(double points, bool bold = false);

// Names the widget and puts it at its place.
template <typename Widget> Widget* place(Widget* widget, const QString& name, const Twips& where) {
    widget->setObjectName(name);
    widget->setGeometry(where.toPixels());
    return widget;
}

// "L4_2": the objectName of element index of a control array.
QString indexed(const char* name, int index);

// Background and text colours for every role a control may paint with, filled in.
void setColours(QWidget* widget, const QColor& background, const QColor& text);

// A screen reader reads the name as what the control shows and the tool tip as its description.
void describe(QWidget* widget, const QString& shown, const QString& toolTip);

// A label at its place showing the text in the font and colour. Without a background colour it
// is drawn straight on whatever its parent paints behind it.
QLabel* textLabel(QWidget* parent, const QString& name, const Twips& where, const QString& text,
                  const QFont& font, const QColor& colour, const QColor& background = QColor());

// A bold caption in light grey, as the dialogs drawn over the dark grid show them.
QLabel* gridCaption(QWidget* parent, const QString& name, const Twips& where, const QString& text,
                    double points);

// The Tab key walks through the widgets in the order given.
void chainTabOrder(std::initializer_list<QWidget*> order);
