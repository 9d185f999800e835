#pragma once
// Every test process runs in a fresh temporary home: HOME and the XDG folders point into it,
// so no test reads or writes the real user's files.
#include <string>

namespace corvanta::test {

// The temporary home of this test process.
const std::string& testHome();

// A new empty folder inside the temporary home.
std::string makeTempFolder(const std::string& name);

// Folder holding the built programs (corvanta, corvanta-dialsim).
std::string binaryFolder();

} // namespace corvanta::test
