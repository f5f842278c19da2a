#pragma once

#include <array>
#include <string_view>

namespace zz {

inline constexpr int kTextCount = 700;

extern const std::array<std::u16string_view, kTextCount> kDefaultTexts;

} // namespace zz
