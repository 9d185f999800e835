#pragma once

namespace corvanta {

// Also the version field of the stored settings: changing it invalidates every stored blob.
inline constexpr const char* BuildLabel = "Build #39-13";
inline constexpr const char* ProgramTitle = "Corvanta";
inline constexpr const char* InstanceName = "Corvanta v.1.7";

} // namespace corvanta
