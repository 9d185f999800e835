#pragma once
// The rules of the simulated dial-up service that need no storage: the dialing sequence by
// elapsed time and the limits an entry must keep.
#include "platform/DialupService.h"

#include <cstdint>
#include <string>

namespace corvanta {

namespace ras {
constexpr RasStatus kInvalidParameter = 87;
constexpr RasStatus kCannotWritePhonebook = 624;
} // namespace ras

// The published state of a connection `elapsedMs` after dialing: the intermediate states share
// the time before `connectAfterMs` evenly, then it stays connected.
std::int32_t dialingState(std::int64_t elapsedMs, std::int64_t connectAfterMs);
// Name of a published state, as in the service's headers ("OpenPort", "Connected", ...).
std::string dialingStateName(std::int32_t state);

// kInvalidSize for a number over 128 characters.
RasStatus checkPhoneNumberLength(const std::string& number);
// An entry the phone book can hold: a name, numbers within their length, no empty alternate
// (it would end the list early) and an alternate list within 10000 bytes.
RasStatus checkEntryRecord(const std::string& name, const RasEntry& entry);

} // namespace corvanta
