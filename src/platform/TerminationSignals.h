#pragma once
// SIGTERM, SIGINT and SIGHUP end the program through its normal shutdown: the signal handler
// only writes the signal number into a pipe, and the callback runs later on the thread that
// owns this object (the user-interface thread). One object at a time.
#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace corvanta {

class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void(int signal)> onSignal,
                                QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void drain();

    std::function<void(int)> onSignal_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace corvanta
