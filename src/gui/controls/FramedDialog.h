#pragma once

#include <QDialog>

class QPainter;

// A fixed-size dialog frame without a title bar: the raised three-dimensional edge of a
// classic dialog window drawn around a client area of a given size. The window system adds
// no frame of its own; controls are placed on client() in client coordinates, and a
// subclass paints the client area's background in paintClient(). It opens centred on its
// parent's window.
class FramedDialog : public QDialog {
    Q_OBJECT
public:
    // Width of the edge on each side, in pixels.
    static constexpr int EdgeWidth = 3;

    FramedDialog(const QSize& clientSize, QWidget* parent = nullptr);

    QWidget* client() const { return m_client; }

protected:
    virtual void paintClient(QPainter& painter) = 0;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class ClientArea;
    QWidget* m_client;
};

// The raised edge of a dialog window around the rectangle's border, EdgeWidth pixels wide:
// light grey and white at the top and left, black and dark grey at the bottom and right,
// then a ring of button face grey.
void drawRaisedDialogEdge(QPainter& painter, const QRect& window);
