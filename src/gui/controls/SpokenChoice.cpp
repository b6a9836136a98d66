#include "SpokenChoice.h"

SpokenChoice::SpokenChoice(QWidget* parent) : QComboBox(parent), SpokenValue(this) {
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { setSpokenValue(currentText(), index); });
}
