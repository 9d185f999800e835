#pragma once
// Cuts a WHOIS reply down to the indented field lines of the record.
#include <string>
#include <vector>

namespace corvanta {

// Printable characters up to 'z' form pieces; every other byte ends one. A piece that starts
// with a blank is kept, trimmed of blanks; others and a piece left without an end are dropped.
std::vector<std::string> whoisFieldLines(const std::string& reply);

} // namespace corvanta
