#include "log/ConnectionLogState.h"

#include "log/LogRecord.h"

#include <cmath>

namespace corvanta {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

// A clock set back must not give negative time connected.
TDateTime sinceStart(TDateTime now, TDateTime start) {
    return now > start ? now - start : 0.0;
}

int wholeMinutes(TDateTime span) {
    return static_cast<int>(std::llround(span * kMillisecondsPerDay) / 60000);
}

} // namespace

void ConnectionLogState::refreshAddress(const AddressReading& watch, OutLogMembers m) {
    if (!watch.online) {
        m.CurrentIp = "Offline";
        return;
    }
    if (m.CurrentIp == m.PreviousIp)
        return;
    m.CurrentIp = watch.address;
    lastLoggedState_ = kNothingCounted; // a new address is worth a record of its own
    if (m.CurrentIp.find("No match for ") != std::string::npos)
        m.CurrentIp = "Unknown";
    m.PreviousIp = m.CurrentIp;
}

OutLogChange ConnectionLogState::begin(int code, const std::string& number, TDateTime now,
                                       const AddressReading& watch, const OutLogOptions& options,
                                       OutLogMembers m) {
    OutLogChange change;
    change.code = code;
    change.number = number;
    change.state = connectionState(code);
    change.dateTimeText = formatDateTime(now);
    if (code == kNoConnectionCode) {
        m.InTimeLimit = true;
        m.ConnectStart = 0;
    }
    refreshAddress(watch, m);

    if (m.ConnectStart != 0 && code == kConnectedCode && options.timeLimitMinutes > 0) {
        change.elapsedMinutes = wholeMinutes(sinceStart(now, m.ConnectStart));
        if (options.timeLimitMinutes <= change.elapsedMinutes)
            m.InTimeLimit = false;
    }

    if (code != lastLoggedState_) {
        if (code == kConnectedCode)
            m.ConnectStart = now;
        lastLoggedState_ = code;
        change.counted = true;
        change.title = number + " - " + change.state.text + " {Corvanta}";
        change.status = number + ": " + change.state.text;
    }
    return change;
}

std::optional<std::string> ConnectionLogState::finishChange(const OutLogChange& change,
                                                            const OutLogOptions& options,
                                                            OutLogMembers m) const {
    if (!change.counted)
        return std::nullopt;
    m.OptimisePending = options.trainingMode && change.number.empty();
    if (!options.log || !(options.detailed || change.state.brief))
        return std::nullopt;
    return formatLogRecord(change.number, change.dateTimeText, m.CurrentIp, change.state.text);
}

std::optional<std::string> ConnectionLogState::updateTray(const OutLogChange& change, TDateTime now,
                                                          const OutLogOptions& options,
                                                          OutLogMembers m,
                                                          const TrayHintAccess& tray) const {
    if (change.number.empty()) {
        m.TrayDetail.clear();
        tray.setHint(m.EntryName + "\n" + change.state.text);
        return std::nullopt;
    }
    m.TrayDetail = m.EntryName + "\n" + change.number + "\n" + change.state.text;
    tray.setHint(m.TrayDetail);

    std::string hint = tray.hint(); // the older hint when the tray refused the new one
    std::optional<std::string> status;
    if (m.ConnectStart != 0) {
        const std::string duration = formatTime(sinceStart(now, m.ConnectStart));
        hint += "\n" + duration;
        status = duration;
    }
    const int minutesLeft = options.timeLimitMinutes - change.elapsedMinutes;
    if (options.timeLimitMinutes > 0 && minutesLeft > 0) {
        const std::string suffix = " (" + std::to_string(minutesLeft) + " minutes left)";
        hint += suffix;
        status = status.value_or(change.number + ": " + change.state.text) + suffix;
    }
    tray.setHint(hint);
    return status;
}

} // namespace corvanta
