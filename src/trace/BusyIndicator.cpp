#include "trace/BusyIndicator.h"

#include <QPainter>
#include <algorithm>

namespace corvanta {
namespace {

constexpr int Spokes = 12;

} // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % Spokes;
        update();
    });
}

void BusyIndicator::start() {
    timer_.start();
}

void BusyIndicator::stop() {
    timer_.stop();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) / 2.0;
    QColor colour = palette().color(QPalette::WindowText);
    for (int spoke = 0; spoke < Spokes; ++spoke) {
        // The newest spoke is darkest; older ones fade out behind it.
        colour.setAlphaF(1.0 - ((step_ - spoke + Spokes) % Spokes) / double(Spokes));
        painter.setPen(QPen(colour, radius / 5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.85));
        painter.rotate(360.0 / Spokes);
    }
}

} // namespace corvanta
