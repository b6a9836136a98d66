#pragma once

#include "gui/controls/SpokenValue.h"

#include <QComboBox>

// A drop-down choice that a screen reader reads with its chosen entry. Qt 6.4 gives a closed
// combo box no value that Orca can read (it logs "bad content sent to speak()"), so the box
// shows itself as a spin button whose text is the chosen entry, as the steppers do; the arrow
// keys step through the entries and the new one is heard.
class SpokenChoice : public QComboBox, public SpokenValue {
    Q_OBJECT
public:
    explicit SpokenChoice(QWidget* parent = nullptr);
};
