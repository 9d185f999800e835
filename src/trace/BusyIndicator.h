#pragma once
// A small spinning wheel that shows that a trace runs.
#include <QTimer>
#include <QWidget>

namespace corvanta {

class BusyIndicator final : public QWidget {
public:
    explicit BusyIndicator(QWidget* parent);
    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }
    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int step_ = 0;
};

} // namespace corvanta
