#include "AnimationStrip.h"

#include "core/RegularFile.h"

#include <QFile>
#include <QMovie>

AnimationStrip::AnimationStrip(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

bool AnimationStrip::load(const QString& path) {
    delete m_movie;
    m_movie = nullptr;
    clear();
    // A pipe or a device under the clip's name would hold the start up in open(): only an
    // ordinary file is read, anything else counts as missing.
    auto* file = new QFile;
    if (!RegularFile::open(path, *file).worked()) {
        delete file;
        return false;
    }
    // The clip is a GIF whatever its file name says, so the format is given explicitly.
    auto* movie = new QMovie(file, QByteArrayLiteral("gif"), this);
    file->setParent(movie);
    if (!movie->isValid()) {
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
