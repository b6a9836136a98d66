#include "ReadableDocument.h"

#include <QAccessibleWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace {

// The document's text as it is spoken, with the offsets of both texts tied together.
// Qt stores a picture as one object character; its description takes its place here.
struct SpokenText {
    QString text;
    // spokenOffset[position] for every position the caret can take in the document.
    std::vector<int> spokenOffset;

    explicit SpokenText(const QTextDocument& document) {
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block != document.begin())
                append(QStringLiteral("\n"));
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QString description =
                    fragment.charFormat().property(QTextFormat::ImageAltText).toString();
                if (fragment.charFormat().isImageFormat() && !description.isEmpty()) {
                    for (int i = 0; i < fragment.length(); ++i)
                        append(description);
                } else {
                    // A line break inside a paragraph is a character of its own in Qt.
                    for (const QChar c : fragment.text())
                        append(c == QChar::LineSeparator ? QStringLiteral("\n") : QString(c));
                }
            }
        }
        spokenOffset.push_back(int(text.size()));
    }

    int documentPosition(int offset) const {
        const auto after = std::upper_bound(spokenOffset.begin(), spokenOffset.end(), offset);
        return int(std::max(after - spokenOffset.begin() - 1, std::ptrdiff_t{0}));
    }

    int offsetOf(int position) const {
        return spokenOffset[std::clamp(position, 0, int(spokenOffset.size()) - 1)];
    }

private:
    void append(const QString& piece) {
        spokenOffset.push_back(int(text.size()));
        text += piece;
    }
};

class ReadableDocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableDocumentAccessible(QTextBrowser* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(int start, int end) const override {
        return spoken().text.mid(start, end - start);
    }
    int characterCount() const override { return int(spoken().text.size()); }

    int cursorPosition() const override {
        return spoken().offsetOf(box()->textCursor().position());
    }
    void setCursorPosition(int offset) override {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(spoken().documentPosition(offset));
        box()->setTextCursor(cursor);
    }

    void selection(int, int* start, int* end) const override {
        const QTextCursor cursor = box()->textCursor();
        *start = spoken().offsetOf(cursor.selectionStart());
        *end = spoken().offsetOf(cursor.selectionEnd());
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override {
        const SpokenText words = spoken();
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(words.documentPosition(start));
        cursor.setPosition(words.documentPosition(end), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }

    // A line as the box shows it: the layout decides where it breaks.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        const SpokenText words = spoken();
        const int position = words.documentPosition(offset);
        const QTextBlock block = box()->document()->findBlock(position);
        // A paragraph not laid out yet (the box not shown) is read as one line; the last line
        // of a paragraph ends with its line break.
        int lineStart = block.position();
        int lineEnd = block.position() + block.length();
        const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
        if (line.isValid()) {
            lineStart += line.textStart();
            if (line.lineNumber() < block.layout()->lineCount() - 1)
                lineEnd = lineStart + line.textLength();
        }
        *start = words.offsetOf(lineStart);
        *end = words.offsetOf(lineEnd);
        return words.text.mid(*start, *end - *start);
    }

    QRect characterRect(int offset) const override {
        QTextCursor cursor(box()->document());
        cursor.setPosition(spoken().documentPosition(offset));
        const QRect rect = box()->cursorRect(cursor);
        return QRect(box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = box()->viewport()->mapFromGlobal(point);
        return spoken().offsetOf(box()->cursorForPosition(local).position());
    }
    void scrollToSubstring(int start, int) override {
        setCursorPosition(start);
        box()->ensureCursorVisible();
    }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    QTextBrowser* box() const { return static_cast<QTextBrowser*>(widget()); }
    SpokenText spoken() const { return SpokenText(*box()->document()); }
};

QAccessibleInterface* readableDocumentAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QTextBrowser") || !object->isWidgetType())
        return nullptr;
    return new ReadableDocumentAccessible(static_cast<QTextBrowser*>(object));
}

} // namespace

void makeDocumentBoxesReadable() {
    QAccessible::installFactory(readableDocumentAccessible);
}
