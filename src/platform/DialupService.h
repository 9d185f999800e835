#pragma once
// The six operations of the dial-up (remote-access) service that the program uses, with the
// service's status codes and limits. Records carry the fields the program reads; fields it
// does not read travel through a read-modify-write untouched in `opaque`.
#include <cstdint>
#include <string>
#include <vector>

namespace corvanta {

using RasHandle = std::uint64_t;
using RasStatus = std::uint32_t;

namespace ras {
constexpr RasStatus kSuccess = 0;
constexpr RasStatus kNotEnoughMemory = 8;
constexpr RasStatus kInvalidHandle = 6;
constexpr RasStatus kBufferTooSmall = 603;
constexpr RasStatus kCannotFindEntry = 623;
constexpr RasStatus kInvalidSize = 632;
constexpr RasStatus kCannotOpenPhonebook = 621;

constexpr std::uint32_t kConnRecordSize = 704;   // RASCONN
constexpr std::uint32_t kStatusRecordSize = 288; // RASCONNSTATUS
constexpr std::size_t kMaxEntries = 100;
constexpr std::size_t kMaxPhoneNumberLength = 128;
constexpr std::size_t kMaxAlternateListBytes = 10000;

// Published connection states the simulation walks through.
constexpr std::int32_t kOpenPort = 0;
constexpr std::int32_t kPortOpened = 1;
constexpr std::int32_t kConnectDevice = 2;
constexpr std::int32_t kDeviceConnected = 3;
constexpr std::int32_t kAuthenticate = 5;
constexpr std::int32_t kAuthenticated = 14;
constexpr std::int32_t kConnected = 8192;
constexpr std::int32_t kDisconnected = 8193;
} // namespace ras

struct RasConn {
    RasHandle handle = 0;
    std::string entryName;
    std::string deviceType;
    std::string deviceName;
};

struct RasConnStatus {
    std::int32_t state = 0;
    std::uint32_t error = 0;
    std::string deviceType;
    std::string deviceName;
    std::string phoneNumber;
};

struct RasEntry {
    std::string localPhoneNumber;
    std::vector<std::string> alternates; // in dialing order; empty = no alternates
    std::vector<std::uint8_t> opaque;     // the rest of the record, carried through unchanged
    std::vector<std::uint8_t> deviceInfo; // device information, as read
};

class IDialupService {
public:
    virtual ~IDialupService() = default;

    // Fills at most byteCount / kConnRecordSize records. When they do not fit, answers
    // kBufferTooSmall and sets byteCount to the size needed.
    virtual RasStatus enumConnections(std::vector<RasConn>& records, std::uint32_t& byteCount,
                                      std::uint32_t& connectionCount) = 0;
    virtual RasStatus getConnectStatus(RasHandle handle, RasConnStatus& status) = 0;
    virtual RasStatus hangUp(RasHandle handle) = 0;
    // At most kMaxEntries names of the default phone book.
    virtual RasStatus enumEntries(std::vector<std::string>& names) = 0;
    virtual RasStatus getEntryProperties(const std::string& name, RasEntry& entry) = 0;
    virtual RasStatus setEntryProperties(const std::string& name, const RasEntry& entry) = 0;
};

} // namespace corvanta
