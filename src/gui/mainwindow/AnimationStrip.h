#pragma once

#include <QLabel>

class QMovie;

// Plays a short looping clip. A missing or unreadable file leaves the strip empty.
class AnimationStrip : public QLabel {
    Q_OBJECT
public:
    explicit AnimationStrip(QWidget* parent = nullptr);

    // Loads and starts the clip; false when the file could not be read.
    bool load(const QString& path);
    bool isPlaying() const;

private:
    QMovie* m_movie = nullptr;
};
