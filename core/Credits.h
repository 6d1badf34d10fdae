// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Who wrote the program and where to reach them; shown in the info box.
namespace marbolin::credits {

inline constexpr std::string_view kAuthor = "Written by the Marbolin contributors";
inline constexpr std::string_view kEmail = "marbolin@example.org";
inline constexpr std::string_view kWeb = "https://example.org/marbolin";

}  // namespace marbolin::credits
