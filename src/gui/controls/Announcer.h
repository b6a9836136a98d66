#pragma once

#include <QWidget>

// Tells a screen reader a short message that belongs to no control with the focus, such as
// "Keine Einträge" after the last person was deleted: an invisible, empty notification that
// appears with the message as its name. Orca speaks every notification that appears.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& message);
};
