#include "HelpWindow.h"

#include "drawing/Grid.h"
#include "gui/controls/ContextMenuKey.h"
#include "gui/controls/CrispPicture.h"
#include "gui/controls/FocusRing.h"
#include "gui/controls/Form.h"
#include "gui/help/HelpDocuments.h"
#include "gui/help/ReadableDocument.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>

namespace {

constexpr int GridHorizontalDivisor = 16;

QTextBrowser* documentBox(QWidget* parent, const QString& accessibleName) {
    auto* box = new QTextBrowser(parent);
    box->setAccessibleName(accessibleName);
    box->setFont(arial(8));
    box->setOpenLinks(false);
    box->setTabChangesFocus(true);
    // A caret that the arrow keys move, so that a screen reader reads line by line.
    box->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

// Loading a document into a box leaves its cursor after the last insertion, which would scroll
// the box to the end; the reader starts at the top.
void showFromTop(QTextBrowser* box) {
    box->moveCursor(QTextCursor::Start);
    box->verticalScrollBar()->setValue(0);
    box->horizontalScrollBar()->setValue(0);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : FramedDialog(Twips{0, 0, 8610, 6300}.toPixels().size(), parent) {
    makeDocumentBoxesReadable();
    setObjectName(QStringLiteral("About"));
    setModal(true);
    setAccessibleName(tr("Hilfe und Programminformation"));
    QWidget* area = client();

    m_title = textLabel(area, QStringLiteral("Label3"), {120, 90, 3345, 285},
                        tr("VORAX BIORHYTHMUS v2.0"), arial(12, true), QColor(224, 224, 224));
    m_copyright =
        textLabel(area, QStringLiteral("Label1"), {900, 540, 4665, 285},
                  tr("Copyright © 2024 die Entwickler von Biorhythmus"), arial(8.25), Qt::black);

    m_logo = place(new QLabel(area), QStringLiteral("Image1"), {6462, 815, 840, 375});
    m_logo->setPixmap(crispPixmap(QStringLiteral(":/pictures/logo.png")));
    m_logo->setAccessibleName(tr("Logo"));

    m_terms = place(documentBox(area, tr("Nutzungsbedingungen")), QStringLiteral("RichTextBox1_0"),
                    {1332, 1610, 5943, 1900});
    loadTerms(*m_terms->document());
    showFromTop(m_terms);
    m_guide = place(documentBox(area, tr("Kurzanleitung")), QStringLiteral("RichTextBox1_1"),
                    {1332, 3960, 5940, 1905});
    loadGuide(*m_guide->document());
    showFromTop(m_guide);

    m_close = place(new QToolButton(area), QStringLiteral("C1"), {7770, 5520, 405, 375});
    m_close->setIcon(crispIcon(QStringLiteral(":/pictures/exit.png")));
    m_close->setIconSize(QSize(24, 22));
    // It closes the help, not the program; read aloud as the word its picture shows.
    describe(m_close, tr("Exit"), tr("Hilfe schließen"));
    m_close->setFocusPolicy(Qt::StrongFocus);
    connect(m_close, &QToolButton::clicked, this, &QDialog::accept);

    for (QWidget* control : std::initializer_list<QWidget*>{m_terms, m_guide, m_close})
        FocusRing::attach(control);
    addContextMenuKey(this);
    chainTabOrder({m_terms, m_close, m_guide});
    m_terms->setFocus();
}

void HelpWindow::paintClient(QPainter& painter) {
    drawGrid(painter, client()->size(), GridHorizontalDivisor);
}

void openHelpWindow(QWidget* parent) {
    HelpWindow about(parent);
    about.exec();
}
