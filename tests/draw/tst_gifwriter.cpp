#include "FailingDevice.h"
#include "GifLzw.h"
#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>
#include <QTest>

#include <random>

namespace {

QList<QRgb> rampPalette(int count) {
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours << qRgb((i * 37) % 256, (i * 91) % 256, 255 - i);
    return colours;
}

// A picture whose pixels are palette entries; `runs` makes long single-colour stretches.
QImage indexedPicture(QSize size, const QList<QRgb>& palette, unsigned seed, bool runs) {
    std::mt19937 random(seed);
    QImage image(size, QImage::Format_RGB32);
    QRgb colour = palette[0];
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (!runs || random() % 97 == 0)
                colour = palette[int(random() % unsigned(palette.size()))];
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

QByteArray encoded(const GifAnimation& animation) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return writeGif(buffer, animation) ? bytes : QByteArray();
}

GifAnimation singleFrame(const QImage& image, const QList<QRgb>& palette) {
    return GifAnimation{image.size(), palette, {GifFrame{image, 10}}, 0};
}

} // namespace

class TestGifWriter : public QObject {
    Q_OBJECT

private slots:
    void lzwMatchesKnownStream();
    void picturesSurviveTheRoundTrip_data();
    void picturesSurviveTheRoundTrip();
    void framesKeepTheirDelaysAndTheClipLoops();
    void offPaletteColoursTakeTheNearestEntry();
    void refusesWhatItCannotWrite_data();
    void refusesWhatItCannotWrite();
    void reportsAFailingDevice_data();
    void reportsAFailingDevice();
};

void TestGifWriter::lzwMatchesKnownStream() {
    // The 10 x 10 four-colour sample that GIF primers work through by hand, with its published
    // code stream (minimum code size 2).
    const char* rows[] = {"1111122222", "1111122222", "1111122222", "1110000222", "1110000222",
                          "2220000111", "2220000111", "2222211111", "2222211111", "2222211111"};
    QByteArray indices;
    for (const char* row : rows)
        for (const char* c = row; *c; ++c)
            indices.append(char(*c - '0'));
    const QByteArray expected = QByteArray::fromHex("8c2d9987"
                                                    "2a1cdc33"
                                                    "a00275ec"
                                                    "95faa8de"
                                                    "608c0491"
                                                    "4c01");
    QCOMPARE(gifLzwEncode(indices, 2).toHex(), expected.toHex());
}

void TestGifWriter::picturesSurviveTheRoundTrip_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colours");
    QTest::addColumn<bool>("runs");

    QTest::newRow("single pixel, one colour") << QSize(1, 1) << 1 << false;
    QTest::newRow("two colours") << QSize(7, 5) << 2 << false;
    QTest::newRow("three colours, table padded to four") << QSize(13, 9) << 3 << false;
    QTest::newRow("seventeen colours, table padded to 32") << QSize(40, 30) << 17 << false;
    // Noise in 256 colours fills the 4096-code table several times over, so the clear code
    // and the growth to 12-bit codes are both exercised.
    QTest::newRow("256 colours of noise") << QSize(300, 200) << 256 << false;
    QTest::newRow("long runs make long strings") << QSize(600, 161) << 256 << true;
    QTest::newRow("one colour over a large area") << QSize(640, 480) << 1 << true;
    QTest::newRow("one row") << QSize(59, 1) << 5 << false;
}

void TestGifWriter::picturesSurviveTheRoundTrip() {
    QFETCH(QSize, size);
    QFETCH(int, colours);
    QFETCH(bool, runs);

    const QList<QRgb> palette = rampPalette(colours);
    const QImage picture = indexedPicture(size, palette, unsigned(size.width() * colours), runs);
    QByteArray bytes = encoded(singleFrame(picture, palette));
    QVERIFY(bytes.startsWith("GIF89a"));
    QVERIFY(bytes.endsWith(';'));

    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    const QImage decoded = reader.read();
    QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), picture);
}

void TestGifWriter::framesKeepTheirDelaysAndTheClipLoops() {
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const QList<int> delays{5, 20, 7};
    GifAnimation animation{QSize(9, 4), palette, {}, 0};
    for (int i = 0; i < delays.size(); ++i)
        animation.frames << GifFrame{indexedPicture(QSize(9, 4), palette, unsigned(i), false),
                                     delays[i]};
    QByteArray bytes = encoded(animation);
    QVERIFY(bytes.contains(QByteArray("NETSCAPE2.0\x03\x01\x00\x00\x00", 16)));

    QBuffer movieBuffer(&bytes);
    QMovie movie(&movieBuffer, "gif");
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), delays.size());
    QCOMPARE(movie.loopCount(), -1);
    // QMovie shortens its delays by the time spent between calls, so they are read directly.
    QBuffer readerBuffer(&bytes);
    QImageReader reader(&readerBuffer, "gif");
    for (int i = 0; i < delays.size(); ++i) {
        QVERIFY(movie.jumpToFrame(i));
        QCOMPARE(movie.currentImage().convertToFormat(QImage::Format_RGB32),
                 animation.frames[i].image);
        QVERIFY(!reader.read().isNull());
        QCOMPARE(reader.nextImageDelay(), delays[i] * 10);
    }
}

void TestGifWriter::offPaletteColoursTakeTheNearestEntry() {
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0)};
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(200, 30, 30));
    picture.setPixel(1, 0, qRgb(100, 100, 100));
    picture.setPixel(2, 0, qRgb(160, 170, 150));
    QByteArray bytes = encoded(singleFrame(picture, palette));

    QBuffer buffer(&bytes);
    const QImage decoded = QImageReader(&buffer, "gif").read();
    QCOMPARE(decoded.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(decoded.pixel(1, 0), qRgb(0, 0, 0));
    QCOMPARE(decoded.pixel(2, 0), qRgb(255, 255, 255));
}

void TestGifWriter::refusesWhatItCannotWrite_data() {
    QTest::addColumn<int>("damage");
    QTest::newRow("no frames") << 0;
    QTest::newRow("a frame of another size") << 1;
    QTest::newRow("no colours") << 2;
    QTest::newRow("257 colours") << 3;
    QTest::newRow("negative delay") << 4;
}

void TestGifWriter::refusesWhatItCannotWrite() {
    QFETCH(int, damage);
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    GifAnimation animation = singleFrame(indexedPicture(QSize(4, 4), palette, 1, false), palette);
    QVERIFY(!encoded(animation).isEmpty());
    switch (damage) {
    case 0:
        animation.frames.clear();
        break;
    case 1:
        animation.frames[0].image = animation.frames[0].image.copy(0, 0, 4, 3);
        break;
    case 2:
        animation.palette.clear();
        break;
    case 3:
        animation.palette = rampPalette(257);
        break;
    case 4:
        animation.frames[0].delayCentiseconds = -1;
        break;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!writeGif(buffer, animation));
    QVERIFY(bytes.isEmpty());
}

void TestGifWriter::reportsAFailingDevice_data() {
    QTest::addColumn<qint64>("limit");
    QTest::newRow("nothing fits") << qint64(0);
    QTest::newRow("inside the colour table") << qint64(100);
    QTest::newRow("inside the first frame") << qint64(900);
    QTest::newRow("only the trailer is missing") << qint64(-1);
}

void TestGifWriter::reportsAFailingDevice() {
    QFETCH(qint64, limit);
    const QList<QRgb> palette = rampPalette(256);
    const GifAnimation animation =
        singleFrame(indexedPicture(QSize(30, 30), palette, 3, false), palette);
    const qint64 whole = encoded(animation).size();
    FailingDevice device({}, limit < 0 ? whole - 1 : limit);
    device.open(QIODevice::WriteOnly);
    QVERIFY(!writeGif(device, animation));
}

QTEST_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
