#include "app/VclTimer.h"

namespace corvanta {

VclTimer::VclTimer(int interval, bool enabled, std::function<void()> onTimer, QObject* parent)
    : QObject(parent), onTimer_(std::move(onTimer)), interval_(interval), enabled_(enabled) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (running())
                    onTimer_();
            },
            Qt::QueuedConnection);
    });
    apply();
}

void VclTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void VclTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    apply();
}

void VclTimer::fire() {
    onTimer_();
}

void VclTimer::apply() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

} // namespace corvanta
