#include "platform/TerminationSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace corvanta {
namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t writeEnd = -1;
std::array<struct sigaction, kSignals.size()> previous{};

void handler(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (writeEnd >= 0) {
        [[maybe_unused]] auto written = ::write(writeEnd, &byte, 1); // full pipe: one is pending
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (writeEnd >= 0)
        throw std::logic_error("TerminationSignals: only one at a time");
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("TerminationSignals: cannot create a pipe");
    writeEnd = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    writeEnd = -1;
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

// Several signals in a row mean one shutdown. The callback may destroy this object, so it
// runs last, from a copy.
void TerminationSignals::drain() {
    unsigned char first = 0, byte = 0;
    while (::read(pipe_[0], &byte, 1) == 1)
        if (first == 0)
            first = byte;
    const auto callback = onSignal_;
    if (first != 0 && callback)
        callback(first);
}

} // namespace corvanta
