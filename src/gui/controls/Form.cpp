#include "Form.h"

#include "drawing/DesignFonts.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

QFont arial(double points, bool bold) {
    QFont font(arialFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void describe(QWidget* widget, const QString& shown, const QString& toolTip) {
    widget->setAccessibleName(shown);
    widget->setToolTip(toolTip);
    widget->setAccessibleDescription(toolTip);
}

QLabel* textLabel(QWidget* parent, const QString& name, const Twips& where, const QString& text,
                  const QFont& font, const QColor& colour, const QColor& background) {
    auto* label = place(new QLabel(text, parent), name, where);
    label->setFont(font);
    if (background.isValid()) {
        setColours(label, background, colour);
        return label;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLabel* gridCaption(QWidget* parent, const QString& name, const Twips& where, const QString& text,
                    double points) {
    return textLabel(parent, name, where, text, arial(points, true), QColor(224, 224, 224));
}

void chainTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
