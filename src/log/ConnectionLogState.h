#pragma once
// The connection log writer's decisions, free of any window: which state changes count, the
// address and time-limit bookkeeping, the record to append, the titles, status text and tray
// hint.
//
// One call of the main window's OutLog runs, in this order:
//   change = begin(...);  set the tray picture;
//   if (change.counted) { set titles and status; process pending events (nested calls may run);
//                         if (auto line = finishChange(...)) append *line; }
//   if (auto status = updateTray(...)) set the status text;
#include "log/ConnectionStates.h"
#include "platform/DateTime.h"

#include <functional>
#include <optional>
#include <string>

namespace corvanta {

// The main window's members the writer reads and writes. Held by reference, so a call nested
// inside another sees, and leaves behind, the latest values.
struct OutLogMembers {
    std::string& CurrentIp;
    std::string& PreviousIp;
    TDateTime& ConnectStart;
    bool& InTimeLimit;
    std::string& TrayDetail;
    bool& OptimisePending;
    const std::string& EntryName;
};

struct OutLogOptions {
    bool log = true;
    bool detailed = true;
    bool trainingMode = false;
    int timeLimitMinutes = 0; // 0 or less: no limit
};

struct AddressReading {
    bool online = false;
    std::string address;
};

// What one call decided before pending events are processed.
struct OutLogChange {
    int code = 0;
    std::string number;
    ConnectionState state;
    std::string dateTimeText;
    int elapsedMinutes = 0; // whole minutes connected, counted only while the limit applies
    bool counted = false;   // the code differs from the last counted one
    std::string title;      // window and application title, when counted
    std::string status;     // status-bar text, when counted
};

// The tray's hint: setHint returns false when the tray refuses a text (too long), which then
// keeps its older hint.
struct TrayHintAccess {
    std::function<bool(const std::string&)> setHint;
    std::function<std::string()> hint;
};

class ConnectionLogState {
public:
    // A code no caller passes, so the next call counts as a change.
    static constexpr int kNothingCounted = 1971;

    int lastLoggedState() const { return lastLoggedState_; }

    OutLogChange begin(int code, const std::string& number, TDateTime now,
                       const AddressReading& watch, const OutLogOptions& options, OutLogMembers m);

    // After pending events: sets OptimisePending; returns the record to append, if any.
    std::optional<std::string> finishChange(const OutLogChange& change,
                                            const OutLogOptions& options, OutLogMembers m) const;

    // Sets TrayDetail and the tray hint; returns the new status-bar text when it changes.
    std::optional<std::string> updateTray(const OutLogChange& change, TDateTime now,
                                          const OutLogOptions& options, OutLogMembers m,
                                          const TrayHintAccess& tray) const;

private:
    void refreshAddress(const AddressReading& watch, OutLogMembers m);

    int lastLoggedState_ = kNothingCounted;
};

} // namespace corvanta
