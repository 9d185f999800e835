#include "log/ConnectionStates.h"

#include <algorithm>
#include <iterator>

namespace corvanta {
namespace {

struct Entry {
    int code;
    const char* text;
    int picture;
    bool brief;
};

constexpr Entry kStates[] = {
    {-2, "Disconnected.", 0, true},
    {-1, "!!! Prohibited List !!! Aborted !!!", 3, true},
    {0, "The communication port is about to be opened.", 0, true},
    {1, "The communication port has been opened successfully.", 1, false},
    {2, "A device is about to be connected.", 1, true},
    {3, "A device has connected successfully.", 0, false},
    {4,
     "All devices in the device chain have successfully connected. At this point, the physical "
     "link is established.",
     0, false},
    {5, "The authentication process is starting.", 1, false},
    {6, "An authentication event has occurred.", 1, false},
    {7,
     "The client has requested another validation attempt with a new user "
     "name/password/domain.",
     1, false},
    {8, "The remote access server has requested a callback number.", 1, true},
    {9, "The client has requested to change the password on the account.", 1, false},
    {10, "The projection phase is starting.", 1, false},
    {11, "The link-speed calculation phase is starting.", 1, false},
    {12, "An authentication request is being acknowledged.", 1, false},
    {13, "Reauthentication (after callback) is starting.", 1, false},
    {14, "The client has successfully completed authentication.", 1, false},
    {15, "The line is about to disconnect in preparation for callback.", 1, false},
    {16,
     "The client is delaying in order to give the modem time to reset itself in preparation for "
     "callback.",
     1, false},
    {17, "The client is waiting for an incoming call from the remote access server.", 1, false},
    {18, "It indicates that projection result information is available.", 1, false},
    {19, "User authentication is being initiated or retried.", 1, true},
    {20, "The client has been called back and is about to resume authentication.", 2, false},
    {21, "The client is logging on to the network.", 1, true},
    {22, "A subentry has been connected during the dialing process.", 1, false},
    {23, "A subentry has been disconnected during the dialing process.", 1, false},
    {4096, "Corresponds to the terminal state", 1, false},
    {4097, "Retry authentication state supported", 1, false},
    {4098, "The callback state supported", 1, false},
    {4099, "The change password state supported", 1, false},
    {4100, "An application can use this paused state to bring up a custom authentication UI.", 1,
     false},
    {8192, "Successful connection.", 2, true},
    {8193, "Disconnection or failed connection.", 0, true},
};

} // namespace

ConnectionState connectionState(int code) {
    const auto found = std::find_if(std::begin(kStates), std::end(kStates),
                                    [code](const Entry& e) { return e.code == code; });
    if (found == std::end(kStates))
        return {"Unknown #" + std::to_string(code), kPictureIdle, false};
    return {found->text, found->picture, found->brief};
}

} // namespace corvanta
