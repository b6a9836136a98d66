// Draws every picture of the program into the resources folder, or checks that the folder
// holds exactly what this program draws.
#include "PictureCheck.h"
#include "PictureSet.h"
#include "Preview.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool drawInto(const QDir& resources) {
    bool ok = true;
    for (const NamedPicture& picture : drawAllPictures())
        ok = save(resources.filePath(picture.fileName), pngBytes(picture.image)) && ok;
    const NamedDrawing icon = drawScalableIcon();
    ok = save(resources.filePath(icon.fileName), icon.svg) && ok;
    QByteArray clip;
    QBuffer buffer(&clip);
    buffer.open(QIODevice::WriteOnly);
    if (!writeGif(buffer, drawClip())) {
        std::fprintf(stderr, "the clip could not be encoded\n");
        return false;
    }
    return save(resources.filePath(clipFileName()), clip) && ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the pictures and the animation clip into <resources>."));
    parser.addHelpOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Draw nothing; compare the files with what would be drawn."));
    const QCommandLineOption preview(QStringLiteral("preview"),
                                     QStringLiteral("Also save a window mock-up to <file>."),
                                     QStringLiteral("file"));
    parser.addOption(check);
    parser.addOption(preview);
    parser.addPositionalArgument(QStringLiteral("resources"),
                                 QStringLiteral("The folder that holds pictures/ and za.vdi."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QDir resources(parser.positionalArguments().first());

    if (parser.isSet(preview)) {
        const GifAnimation clip = drawClip();
        if (!save(parser.value(preview),
                  pngBytes(drawPreview(drawAllPictures(), clip.frames.first().image))))
            return 1;
    }
    if (!parser.isSet(check) && !drawInto(resources))
        return 1;
    const QStringList problems = checkPictures(resources);
    for (const QString& problem : problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    if (problems.isEmpty())
        std::printf("All pictures and the clip match the drawing program.\n");
    return problems.isEmpty() ? 0 : 1;
}
