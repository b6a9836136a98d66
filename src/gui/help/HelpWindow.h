#pragma once

#include "gui/controls/FramedDialog.h"

class QLabel;
class QTextBrowser;
class QToolButton;

// The help and about window: title, copyright line and logo over a grid background, the terms
// of use and the short guide in two read-only boxes, and a picture button that closes it.
// It is made afresh for every opening, so both documents always start at their top.
class HelpWindow : public FramedDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QTextBrowser* terms() const { return m_terms; }
    QTextBrowser* guide() const { return m_guide; }
    QToolButton* closeButton() const { return m_close; }

protected:
    void paintClient(QPainter& painter) override;

private:
    QLabel* m_title;
    QLabel* m_copyright;
    QLabel* m_logo;
    QTextBrowser* m_terms;
    QTextBrowser* m_guide;
    QToolButton* m_close;
};

// Opens the help window modally over the parent, centred on it, and returns once it is closed.
void openHelpWindow(QWidget* parent);
