#pragma once
// Where the program keeps its files. Per-user folders follow the XDG base directories.
#include <string>

namespace corvanta::paths {

std::string executablePath();  // full path of the running program
std::string programFolder();   // its folder, ending with '/'
std::string configFolder();    // $XDG_CONFIG_HOME/Corvanta
std::string stateFolder();     // $XDG_STATE_HOME/Corvanta
std::string runtimeFolder();   // $XDG_RUNTIME_DIR, else the temp folder
std::string autostartFolder(); // $XDG_CONFIG_HOME/autostart

// Creates a folder and its parents; folders made here are private to the user.
bool ensureFolder(const std::string& folder);

} // namespace corvanta::paths
