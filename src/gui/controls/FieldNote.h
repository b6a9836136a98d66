#pragma once

#include <QLabel>

class Announcer;
class QTimer;

// A short message under a field, such as why a typed date was not taken: shown in the field's
// window over whatever lies below the field for a few seconds, and told to screen readers.
class FieldNote : public QLabel {
    Q_OBJECT
public:
    explicit FieldNote(QWidget* field);

    void tell(const QString& message);

private:
    QWidget* m_field;
    Announcer* m_announcer = nullptr;
    QTimer* m_timer;
};
