#pragma once
// Records the sounds asked for, in order.
#include "platform/Sound.h"

#include <string>
#include <vector>

namespace corvanta::test {

class FakeSound final : public ISound {
public:
    void play(const std::string& bareFileName) override { played.push_back(bareFileName); }

    std::vector<std::string> played;
};

} // namespace corvanta::test
