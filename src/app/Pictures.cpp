#include "app/Pictures.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace corvanta {
namespace {

const QColor kInk(40, 44, 52);
const QColor kSendGreen(46, 160, 67);

// A mobile phone drawn into a 32-unit square; the painter's transform scales it.
void drawPhone(QPainter& p, const QColor& body) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(9, 8, 13, 22), 2.5, 2.5); // body
    p.drawRect(QRectF(18.5, 2.5, 2, 6));               // aerial
    p.setBrush(QColor(200, 230, 245));
    p.drawRect(QRectF(11, 10.5, 9, 7)); // screen
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 3; ++row) // keypad
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(11.5 + col * 3, 19.5 + row * 3, 2, 2));
}

void drawWaves(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) { // arcs to the upper right of the aerial's tip
        const double r = 1.5 + 3.5 * i;
        p.drawArc(QRectF(16.5 - r, 4.5 - r, 2 * r, 2 * r), -10 * 16, 75 * 16);
    }
}

void drawGlobe(QPainter& p, const QPointF& centre, double radius) {
    p.setPen(QPen(QColor(20, 70, 140), 1.0));
    p.setBrush(QColor(70, 150, 230));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.45, radius);
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
}

void drawProhibition(QPainter& p) {
    p.setPen(QPen(QColor(210, 30, 30), 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.drawLine(QPointF(6.5, 6.5), QPointF(25.5, 25.5));
}

void drawTrayPicture(QPainter& p, int index) {
    switch (index) {
    case 0:
        drawPhone(p, QColor(150, 155, 165));
        break;
    case 1:
        drawPhone(p, QColor(150, 155, 165));
        drawWaves(p, QColor(30, 110, 220));
        break;
    case 2:
        drawPhone(p, kSendGreen);
        drawWaves(p, kSendGreen);
        drawGlobe(p, QPointF(25.5, 25.5), 5.5);
        break;
    case 3:
        drawPhone(p, QColor(150, 155, 165));
        drawProhibition(p);
        break;
    }
}

void drawShield(QPainter& p, const QRectF& r) {
    QPainterPath shield;
    shield.moveTo(r.center().x(), r.top());
    shield.lineTo(r.right(), r.top() + r.height() * 0.18);
    shield.cubicTo(r.right(), r.top() + r.height() * 0.65, r.center().x() + r.width() * 0.2,
                   r.bottom() - r.height() * 0.08, r.center().x(), r.bottom());
    shield.cubicTo(r.center().x() - r.width() * 0.2, r.bottom() - r.height() * 0.08, r.left(),
                   r.top() + r.height() * 0.65, r.left(), r.top() + r.height() * 0.18);
    shield.closeSubpath();
    QLinearGradient fill(r.topLeft(), r.bottomRight());
    fill.setColorAt(0, QColor(255, 214, 102));
    fill.setColorAt(1, QColor(214, 140, 30));
    p.setPen(QPen(QColor(120, 70, 10), 3));
    p.setBrush(fill);
    p.drawPath(shield);
    // a tick: the line is guarded
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(
        QPolygonF({QPointF(r.left() + r.width() * 0.28, r.center().y()),
                   QPointF(r.center().x() - r.width() * 0.05, r.top() + r.height() * 0.68),
                   QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.32)}));
}

} // namespace

QIcon trayPicture(int index) {
    if (index < 0 || index >= kTrayPictureCount)
        return {};
    QIcon icon;
    for (int size : {16, 32, 64}) { // sharp on every panel size
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        drawTrayPicture(p, index);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap splashPicture() {
    QPixmap pixmap(400, 250);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 400, 250);
    sky.setColorAt(0, QColor(18, 44, 96));
    sky.setColorAt(1, QColor(36, 130, 170));
    p.fillRect(pixmap.rect(), sky);

    p.save(); // the phone, large, on the left
    p.translate(20, 40);
    p.scale(4.2, 4.2);
    drawPhone(p, QColor(225, 228, 235));
    drawWaves(p, QColor(140, 220, 255));
    p.restore();
    drawShield(p, QRectF(100, 105, 70, 85));

    QFont title(QStringLiteral("Sans Serif"));
    title.setBold(true);
    for (int pixels = 48; pixels > 12; pixels -= 2) { // fit whatever font the system has
        title.setPixelSize(pixels);
        if (QFontMetrics(title).horizontalAdvance(QStringLiteral("Corvanta")) <= 205)
            break;
    }
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(180, 60, 210, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Corvanta"));
    QFont small(QStringLiteral("Sans Serif"), 11);
    p.setFont(small);
    p.setPen(QColor(200, 225, 245));
    p.drawText(QRectF(182, 115, 210, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("dial-up guard"));
    p.drawText(QRectF(182, 200, 200, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("v 1.7"));
    return pixmap;
}

} // namespace corvanta
