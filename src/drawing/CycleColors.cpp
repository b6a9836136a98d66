#include "CycleColors.h"

QColor cycleColor(Cycle cycle) {
    switch (cycle) {
    case Cycle::Physical:
        return QColor(255, 0, 0);
    case Cycle::Emotional:
        return QColor(0, 0, 255);
    case Cycle::Intellectual:
        return QColor(0, 255, 0);
    }
    return Qt::black;
}
