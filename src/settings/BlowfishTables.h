#pragma once
#include <array>
#include <cstdint>

namespace corvanta::blowfish {

inline constexpr int kRounds = 16;

extern const std::array<std::uint32_t, kRounds + 2> kInitialP;
extern const std::array<std::array<std::uint32_t, 256>, 4> kInitialS;

} // namespace corvanta::blowfish
