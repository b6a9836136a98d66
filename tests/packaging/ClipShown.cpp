// Tells whether a picture of the main window shows the clip: the animation strip's area holds
// a picture of several colours rather than the plain grey of an empty strip.
#include <QImage>
#include <QSet>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: clip-shown <picture.png>\n");
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    const QRect strip(288, 242, 59, 25); // the strip's place in the 640 x 480 window
    if (shot.isNull() || !shot.rect().contains(strip)) {
        std::fprintf(stderr, "%s: not a picture of the whole window\n", argv[1]);
        return 2;
    }
    QSet<QRgb> colours;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x)
            colours.insert(shot.pixel(x, y));
    std::printf("%lld colours in the animation strip\n", static_cast<long long>(colours.size()));
    return colours.size() >= 3 ? 0 : 1;
}
