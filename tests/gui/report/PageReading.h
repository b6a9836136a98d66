#pragma once

// Reads printed pages back the way a person would look at them: the words with their boxes
// (poppler's pdftotext -bbox, in points from the page's top-left corner) and the page as an
// image (pdftoppm).

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

struct PageWord {
    QString text;
    QRectF box; // points
};

// What a command-line tool printed, its error output included; ok says whether it ran to its
// end and exited with 0.
inline QString toolOutput(const QString& program, const QStringList& arguments,
                          bool* ok = nullptr) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    const bool finished = tool.waitForFinished(20000);
    if (ok)
        *ok = finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    return QString::fromLocal8Bit(tool.readAll());
}

inline QList<PageWord> pdfWords(const QString& pdfPath) {
    bool ok = false;
    const QString xhtml =
        toolOutput(QStringLiteral("pdftotext"),
                   {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                    QStringLiteral("-l"), QStringLiteral("1"), pdfPath, QStringLiteral("-")},
                   &ok);
    if (!ok)
        return {};
    static const QRegularExpression wordPattern(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                       R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PageWord> words;
    for (const QRegularExpressionMatch& m : wordPattern.globalMatch(xhtml)) {
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append({text, QRectF(topLeft, bottomRight)});
    }
    return words;
}

inline int pdfPageCount(const QString& pdfPath) {
    static const QRegularExpression pages(QStringLiteral(R"re(Pages:\s+(\d+))re"));
    const auto m = pages.match(toolOutput(QStringLiteral("pdfinfo"), {pdfPath}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The first page at the given resolution; a null image when poppler fails.
inline QImage renderPdfPage(const QString& pdfPath, int dpi) {
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    bool ok = false;
    toolOutput(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfPath, stem},
               &ok);
    if (!ok)
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Words in reading order: by line (boxes whose tops lie within a point), then from the left.
inline QStringList wordTexts(const QList<PageWord>& words) {
    QList<PageWord> sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(), [](const PageWord& a, const PageWord& b) {
        if (std::abs(a.box.top() - b.box.top()) > 1.0)
            return a.box.top() < b.box.top();
        return a.box.left() < b.box.left();
    });
    QStringList texts;
    for (const PageWord& w : sorted)
        texts << w.text;
    return texts;
}

inline const PageWord* findWord(const QList<PageWord>& words, const QString& text, int nth = 0) {
    for (const PageWord& w : words)
        if (w.text == text && nth-- == 0)
            return &w;
    return nullptr;
}
