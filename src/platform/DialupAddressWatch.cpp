#include "platform/DialupAddressWatch.h"

#include <exception>

namespace corvanta {

DialupAddressWatch::DialupAddressWatch(Source source, QObject* parent)
    : QObject(parent), source_(std::move(source)) {
    connect(&timer_, &QTimer::timeout, this, &DialupAddressWatch::refresh);
    timer_.start(1000);
    refresh();
}

void DialupAddressWatch::refresh() {
    // Runs from a timer: an exception must not cross the event loop. A failed reading keeps
    // the last one, as a missed refresh would.
    try {
        address_ = source_().value_or(std::string());
    } catch (const std::exception&) {
    }
}

} // namespace corvanta
