#include "ComparisonChart.h"

#include "drawing/ChartPicture.h"
#include "gui/controls/FocusFrame.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {
// A picture for assistive technology, which reads its name and description when it is focused.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("ComparisonChart") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}
} // namespace

ComparisonChart::ComparisonChart(QWidget* parent) : QWidget(parent) {
    QAccessible::installFactory(chartAccessible);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(chartPictureSize());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ComparisonChart::showPersons(const QDate& birth, const QDate& partnerBirth,
                                  const QDate& display) {
    m_birth = birth;
    m_partnerBirth = partnerBirth;
    m_display = display;
    update();
}

void ComparisonChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintChartPicture(painter, m_birth, m_display, m_partnerBirth);
    if (hasFocus())
        drawFocusFrame(painter, rect());
}
