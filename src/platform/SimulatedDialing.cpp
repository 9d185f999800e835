#include "platform/SimulatedDialing.h"

#include <array>

namespace corvanta {
namespace {

constexpr std::size_t kMaxEntryNameLength = 256;

struct State {
    std::int32_t code;
    const char* name;
};
constexpr std::array<State, 7> kSequence{{{ras::kOpenPort, "OpenPort"},
                                          {ras::kPortOpened, "PortOpened"},
                                          {ras::kConnectDevice, "ConnectDevice"},
                                          {ras::kDeviceConnected, "DeviceConnected"},
                                          {ras::kAuthenticate, "Authenticate"},
                                          {ras::kAuthenticated, "Authenticated"},
                                          {ras::kConnected, "Connected"}}};

} // namespace

RasStatus checkPhoneNumberLength(const std::string& number) {
    return number.size() > ras::kMaxPhoneNumberLength ? ras::kInvalidSize : ras::kSuccess;
}

RasStatus checkEntryRecord(const std::string& name, const RasEntry& entry) {
    if (name.empty())
        return ras::kInvalidParameter;
    if (name.size() > kMaxEntryNameLength)
        return ras::kInvalidSize;
    if (const RasStatus status = checkPhoneNumberLength(entry.localPhoneNumber))
        return status;
    std::size_t listBytes = entry.alternates.empty() ? 0 : 1; // the closing empty string
    for (const std::string& alternate : entry.alternates) {
        if (alternate.empty()) // it would end the list early
            return ras::kInvalidParameter;
        if (const RasStatus status = checkPhoneNumberLength(alternate))
            return status;
        listBytes += alternate.size() + 1;
    }
    return listBytes > ras::kMaxAlternateListBytes ? ras::kInvalidSize : ras::kSuccess;
}

std::int32_t dialingState(std::int64_t elapsedMs, std::int64_t connectAfterMs) {
    if (elapsedMs >= connectAfterMs)
        return ras::kConnected;
    if (elapsedMs <= 0)
        return ras::kOpenPort;
    const std::int64_t steps = kSequence.size() - 1;
    return kSequence[static_cast<std::size_t>(elapsedMs * steps / connectAfterMs)].code;
}

std::string dialingStateName(std::int32_t state) {
    for (const State& s : kSequence)
        if (s.code == state)
            return s.name;
    return state == ras::kDisconnected ? "Disconnected" : "State" + std::to_string(state);
}

} // namespace corvanta
