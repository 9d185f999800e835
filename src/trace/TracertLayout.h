#pragma once
// Rewrites the output of Linux traceroute in the layout of the Windows tracert command: hop
// number, three probe times, then "name [a.b.c.d]" or the bare address, so that the hop's
// address is the last dotted number on its line.
#include <string>
#include <vector>

namespace corvanta {

// The options the tracert command passes to traceroute before the target host.
std::vector<std::string> tracerouteOptions();

// The lines to print for one line of traceroute's output; lines that are neither the
// heading nor a hop pass unchanged.
std::vector<std::string> tracertLines(const std::string& tracerouteLine);

// The closing lines once traceroute has ended with the given exit status.
std::vector<std::string> tracertEnd(int exitStatus);

} // namespace corvanta
