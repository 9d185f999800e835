#pragma once
// A timer that runs only while enabled with a non-zero interval, and whose tick is delivered
// as a queued call: a tick can then run inside a modal loop opened by an earlier tick.
#include <QObject>
#include <QTimer>
#include <functional>

namespace corvanta {

class VclTimer final : public QObject {
    Q_OBJECT
public:
    VclTimer(int interval, bool enabled, std::function<void()> onTimer, QObject* parent);

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    bool running() const { return timer_.isActive(); }
    // One tick now, as if the interval had passed (tests drive time this way).
    void fire();

private:
    void apply();

    QTimer timer_;
    std::function<void()> onTimer_;
    int interval_;
    bool enabled_;
};

} // namespace corvanta
