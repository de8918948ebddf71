// 32-bit integer arithmetic that wraps modulo 2^32 instead of overflowing.
// The work is done in unsigned types, where wrapping is defined; converting
// back to the signed type is modular as well.
#pragma once

#include <cstdint>

namespace wrapping {

constexpr std::int32_t add(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t multiply(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

}  // namespace wrapping
