#include "options/AboutPicture.h"

#include "widgets/AppStyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zz {

namespace {

constexpr int kSide = 96;

void drawDevice(QPainter& p) {
    // Body: a rounded box in the program's orange, lit from above.
    const QRectF body(6, 22, 84, 52);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, style::kPressedColor.lighter(125));
    fill.setColorAt(1.0, style::kPressedColor.darker(115));
    p.setPen(QPen(style::kPressedColor.darker(150), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(body, 9, 9);

    // A soft highlight along the top edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(10, 25, 76, 14), 6, 6);
}

void drawEthernetPort(QPainter& p) {
    // An RJ45 socket on the left: a square opening with the latch notch below.
    QPainterPath socket;
    socket.moveTo(14, 36);
    socket.lineTo(34, 36);
    socket.lineTo(34, 56);
    socket.lineTo(28, 56);
    socket.lineTo(28, 60);
    socket.lineTo(20, 60);
    socket.lineTo(20, 56);
    socket.lineTo(14, 56);
    socket.closeSubpath();
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(255, 252, 245));
    p.drawPath(socket);
    p.setPen(QPen(QColor(200, 150, 40), 1.2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(17 + i * 3, 38), QPointF(17 + i * 3, 43));
}

void drawSerialPort(QPainter& p) {
    // A nine-pin serial connector on the right: the D-shaped shell with two rows of pins.
    QPainterPath shell;
    shell.moveTo(60, 38);
    shell.lineTo(86, 38);
    shell.lineTo(83, 56);
    shell.lineTo(63, 56);
    shell.closeSubpath();
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(QColor(255, 252, 245));
    p.drawPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 70));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(64.5 + i * 4.25, 43), 1.3, 1.3);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(66.6 + i * 4.25, 50.5), 1.3, 1.3);
}

void drawArrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const qreal dx = to.x() > from.x() ? -4 : 4;
    p.drawLine(to, to + QPointF(dx, -3));
    p.drawLine(to, to + QPointF(dx, 3));
}

void drawTraffic(QPainter& p) {
    // The converter passes requests one way and answers the other.
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawArrow(p, QPointF(38, 43), QPointF(56, 43));
    drawArrow(p, QPointF(56, 51), QPointF(38, 51));
}

void drawLabels(QPainter& p) {
    QFont font = style::applicationFont();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(90, 60, 30));
    p.drawText(QRectF(0, 4, 48, 16), Qt::AlignCenter, QStringLiteral("TCP"));
    p.drawText(QRectF(48, 4, 48, 16), Qt::AlignCenter, QStringLiteral("RTU"));
    // Cables leaving the two ports.
    p.setPen(QPen(QColor(90, 90, 90), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath network(QPointF(24, 72));
    network.cubicTo(QPointF(24, 86), QPointF(14, 90), QPointF(3, 90));
    QPainterPath bus(QPointF(73, 72));
    bus.cubicTo(QPointF(73, 86), QPointF(83, 90), QPointF(93, 90));
    p.drawPath(network);
    p.drawPath(bus);
}

} // namespace

QPixmap aboutPicture(qreal devicePixelRatio) {
    QPixmap picture(QSize(kSide, kSide) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawLabels(p);
    drawDevice(p);
    drawEthernetPort(p);
    drawSerialPort(p);
    drawTraffic(p);
    return picture;
}

} // namespace zz
