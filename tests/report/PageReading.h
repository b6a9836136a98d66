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

inline QList<PageWord> pdfWords(const QString& pdfPath) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                QStringLiteral("-l"), QStringLiteral("1"), pdfPath, QStringLiteral("-")});
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return {};
    const QString xhtml = QString::fromUtf8(tool.readAllStandardOutput());
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
    QProcess tool;
    tool.start(QStringLiteral("pdfinfo"), {pdfPath});
    if (!tool.waitForFinished(20000))
        return -1;
    static const QRegularExpression pages(QStringLiteral(R"re(Pages:\s+(\d+))re"));
    const auto m = pages.match(QString::fromUtf8(tool.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The first page at the given resolution; a null image when poppler fails.
inline QImage renderPdfPage(const QString& pdfPath, int dpi) {
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfPath, stem});
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
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
