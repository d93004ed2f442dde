#pragma once
// The verb selector's fixed list: 198 verb rows and 18 letter separators.
#include <array>

inline constexpr int kVerbRowCount = 216;
extern const std::array<const char*, kVerbRowCount> kVerbRows;
