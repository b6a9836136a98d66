#include "Preview.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace {

QImage picture(const QList<NamedPicture>& pictures, const QString& name) {
    for (const NamedPicture& named : pictures)
        if (named.fileName == QStringLiteral("pictures/") + name)
            return named.image;
    return {};
}

void raisedButton(QPainter& painter, const QRect& rect, const QImage& icon) {
    painter.fillRect(rect, QColor(212, 208, 200));
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawImage(rect.center() - QPoint(icon.width() / 2 - 1, icon.height() / 2 - 1), icon);
}

void sampleChart(QPainter& painter, const QRect& rect, const QImage& stars) {
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, Qt::black);
    painter.drawImage(rect.topLeft(), stars);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::array<std::pair<QColor, int>, 3> curves{
        {{Qt::green, 33}, {Qt::blue, 28}, {Qt::red, 23}}};
    const double dayWidth = rect.width() / 32.0;
    for (const auto& [colour, period] : curves) {
        QPainterPath path;
        for (int day = 0; day <= 32; ++day) {
            const QPointF at(rect.left() + day * dayWidth,
                             rect.center().y() -
                                 rect.height() * 0.45 *
                                     std::sin(2 * std::numbers::pi * (day + 300) / period));
            day == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        painter.setPen(QPen(colour, 1));
        painter.drawPath(path);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawLine(rect.left(), rect.center().y(), rect.right(), rect.center().y());
    painter.setPen(Qt::white);
    painter.drawLine(rect.center().x(), rect.top(), rect.center().x(), rect.bottom());
    painter.restore();
}

} // namespace

QImage drawPreview(const QList<NamedPicture>& pictures, const QImage& clipFrame) {
    QImage window(640, 480, QImage::Format_RGB32);
    QPainter painter(&window);
    painter.fillRect(window.rect(), QBrush(picture(pictures, QStringLiteral("tile.png"))));

    sampleChart(painter, QRect(28, 54, 579, 153),
                picture(pictures, QStringLiteral("starfield.png")));

    const std::array<QString, 4> commands{QStringLiteral("persons.png"), QStringLiteral("help.png"),
                                          QStringLiteral("print.png"), QStringLiteral("exit.png")};
    const std::array<QPoint, 4> buttons{QPoint(291, 0), QPoint(319, 0), QPoint(291, 26),
                                        QPoint(319, 26)};
    for (int i = 0; i < 4; ++i)
        raisedButton(painter, QRect(buttons[i], QSize(27, 25)), picture(pictures, commands[i]));

    painter.drawImage(QPoint(288, 242), clipFrame);
    painter.drawImage(QPoint(4, 4), picture(pictures, QStringLiteral("logo.png")));
    const std::array<QString, 3> samples{QStringLiteral("line-red.png"),
                                         QStringLiteral("line-blue.png"),
                                         QStringLiteral("line-green.png")};
    for (int i = 0; i < 3; ++i) {
        const QRect panel(30 + i * 203, 285, 172, 196);
        painter.fillRect(panel, QColor(192, 192, 192));
        painter.drawImage(panel.topLeft() + QPoint(38, 8), picture(pictures, samples[i]));
    }
    painter.drawImage(QPoint(400, 4), picture(pictures, QStringLiteral("icon.png")));
    painter.drawImage(QPoint(440, 4), picture(pictures, QStringLiteral("icon-64.png")));
    painter.drawImage(QPoint(510, 4), picture(pictures, QStringLiteral("icon-128.png")));
    return window;
}
