#pragma once
// corvanta-dialsim's commands, run against a simulated dial-up service.
#include <iosfwd>
#include <string>
#include <vector>

namespace corvanta {
class SimulatedDialupService;
}

namespace corvanta::dialsim {

// Exit codes: 0 done, 1 the service refused or failed, 2 bad arguments.
int run(const std::vector<std::string>& args, SimulatedDialupService& service, std::ostream& out,
        std::ostream& err);

} // namespace corvanta::dialsim
