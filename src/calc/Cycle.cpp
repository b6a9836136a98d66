#include "Cycle.h"

#include <QCoreApplication>
#include <cmath>

int period(Cycle cycle) {
    switch (cycle) {
    case Cycle::Physical:
        return 23;
    case Cycle::Emotional:
        return 28;
    case Cycle::Intellectual:
        return 33;
    }
    return 23;
}

double cycleValue(std::int32_t dayNumber, int period) {
    const std::int32_t twiceRemainder = (dayNumber % period) * 2; // C++ % truncates toward zero
    return std::sin(static_cast<double>(twiceRemainder) * PiPrime / period);
}

float chartHeight(std::int32_t dayNumber, int period) {
    return static_cast<float>(9.0 - 8.0 * cycleValue(dayNumber, period));
}

int percentage(std::int32_t dayNumber, int period) {
    return static_cast<int>(std::round(100.0 * cycleValue(dayNumber, period)));
}

QString percentageText(std::int32_t dayNumber, int period) {
    return QString::number(percentage(dayNumber, period)) + QStringLiteral(" %");
}

QString conditionHeading(Cycle cycle) {
    switch (cycle) {
    case Cycle::Physical:
        return QCoreApplication::translate("Cycle", "Physischer Zustand");
    case Cycle::Emotional:
        return QCoreApplication::translate("Cycle", "Seelischer Zustand");
    case Cycle::Intellectual:
        return QCoreApplication::translate("Cycle", "Geistiger Zustand");
    }
    return QString();
}
