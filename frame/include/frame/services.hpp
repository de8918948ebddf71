// The runtime's services beside the console statements.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "frame/text.hpp"
#include "frame/view.hpp"

namespace console {

namespace detail {
void concat(std::span<char> result, std::string_view left, std::string_view right);
}

// The runtime's string concatenation: every byte of both, trailing blanks included.
template <std::size_t A, std::size_t B>
Text<A + B> concat(const Text<A>& left, const Text<B>& right) {
    Text<A + B> result;
    detail::concat({result.data(), result.size()}, left.view(), right.view());
    return result;
}

// Gives every element of the view, in index order, a pseudo-random value in [0, 1).
// The generator and its seeding are the runtime's.
void random_fill(const ArrayView<float>& view);

// Fatal reports: the runtime prints the message in its own words and ends the
// process with its own status.
[[noreturn]] void runtime_error(CString message);
[[noreturn]] void os_error(CString message);

}  // namespace console
