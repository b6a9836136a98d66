#include "AnimationStrip.h"

#include <QFile>
#include <QMovie>

AnimationStrip::AnimationStrip(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

bool AnimationStrip::load(const QString& path) {
    delete m_movie;
    m_movie = nullptr;
    clear();
    // The clip is a GIF whatever its file name says, so the format is given explicitly.
    auto* movie = new QMovie(path, QByteArrayLiteral("gif"), this);
    if (!QFile::exists(path) || !movie->isValid()) {
        delete movie;
        return false;
    }
    m_movie = movie;
    setMovie(m_movie);
    m_movie->start();
    return m_movie->state() == QMovie::Running;
}

bool AnimationStrip::isPlaying() const {
    return m_movie && m_movie->state() == QMovie::Running;
}
