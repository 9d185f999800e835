#include "MainWindowFixture.h"

#include <fstream>
#include <sstream>

namespace corvanta::test {

std::string MainWindowFixture::logText() const {
    std::ifstream in(folder + "Corvanta.log", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace corvanta::test
