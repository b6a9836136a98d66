#include "Cycle.h"

#include <QCoreApplication>
#include <cmath>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Cycle)
};
} // namespace

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

QString cycleName(Cycle cycle) {
    switch (cycle) {
    case Cycle::Physical:
        return Texts::tr("Physisch");
    case Cycle::Emotional:
        return Texts::tr("Seelisch");
    case Cycle::Intellectual:
        return Texts::tr("Geistig");
    }
    return QString();
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
