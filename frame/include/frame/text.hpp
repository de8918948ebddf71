// Texts as the console layer sees them: fixed-length fields without terminator,
// and the few NUL-terminated literals that the runtime takes as C strings.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace console {

// A text of exactly L bytes. A shorter value is left-justified and filled with
// blanks; nothing marks its end, so its length always travels with it.
template <std::size_t L>
class Text {
public:
    constexpr Text() { bytes_.fill(' '); }

    // From a literal of at most L bytes; the literal's length comes from its type.
    template <std::size_t N>
        requires(N - 1 <= L)
    // cppcheck-suppress noExplicitConstructor
    consteval Text(const char (&literal)[N]) {  // NOLINT(google-explicit-constructor): reads like the literal it holds
        bytes_.fill(' ');
        for (std::size_t k = 0; k + 1 < N; ++k) bytes_[k] = literal[k];
    }

    static constexpr std::size_t size() { return L; }
    constexpr char* data() { return bytes_.data(); }
    constexpr const char* data() const { return bytes_.data(); }
    constexpr std::string_view view() const { return {bytes_.data(), L}; }

private:
    std::array<char, L> bytes_;
};

template <std::size_t N>
Text(const char (&)[N]) -> Text<N - 1>;

// A NUL-terminated literal, for the runtime parameters that are C strings
// (a source name, a fatal message). Only literals qualify, so the terminator
// is known to be there.
class CString {
public:
    template <std::size_t N>
    // cppcheck-suppress noExplicitConstructor
    consteval CString(const char (&literal)[N]) : text_{literal} {  // NOLINT(google-explicit-constructor)
        if (literal[N - 1] != '\0') throw "a C string needs its terminator";
    }

    constexpr const char* c_str() const { return text_; }

private:
    const char* text_;
};

}  // namespace console
