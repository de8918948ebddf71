// Console statements: one record read from standard input or written to
// standard output, item by item. A statement begins when it is constructed
// and finishes when it goes out of scope, so a statement written as one
// expression reads and writes exactly one record:
//
//     console::Write{here.line(5)} << "Donner la valeur de n :"sv;
//     console::Read{here.line(6)} >> n;
//
// Items go to the runtime by address, and texts always with their length.
// Editing, buffering and the fatal report of a failing statement belong to
// the runtime; no statement returns an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/text.hpp"
#include "frame/view.hpp"

namespace console {

// Where a statement stands in its program, for the runtime's diagnostics.
struct Location {
    const char* source;  // NUL-terminated: the runtime prints it as a C string
    std::int32_t line;
};

// The program that the statements belong to.
class Source {
public:
    consteval explicit Source(CString name) : name_{name.c_str()} {}
    constexpr Location line(std::int32_t number) const { return {name_, number}; }

private:
    const char* name_;
};

enum class Advance { yes, no };

// A format text, both parentheses included. With Advance::no the record stays
// open and the next write statement continues it.
struct Format {
    std::string_view text;
    Advance advance = Advance::yes;
};

namespace detail {

// Room for the runtime's data-transfer block, in the frame of the procedure
// that runs the statement. Its fields are laid out inside the frame library.
struct alignas(8) BlockStorage {
    std::byte bytes[528];
};

class Statement {
public:
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

protected:
    Statement() = default;
    ~Statement() = default;
    BlockStorage block_;
};

}  // namespace detail

// A write statement on standard output.
class Write : detail::Statement {
public:
    explicit Write(Location where);                 // list-directed
    Write(Location where, const Format& format);    // formatted
    ~Write();

    Write& operator<<(std::string_view text);
    template <std::size_t L>
    Write& operator<<(const Text<L>& text) {
        return *this << text.view();
    }
    Write& operator<<(const std::int32_t& value);
    Write& operator<<(const float& value);
    // Every element of the view, in index order.
    template <class T>
    Write& operator<<(const ArrayView<T>& view) {
        return array_item(view.core());
    }

    // No other item kind exists; this also turns away a bare string literal,
    // whose length would only be found by its terminator ("..."sv carries it).
    template <class T>
    Write& operator<<(const T&) = delete;

private:
    Write& array_item(const detail::ViewCore<1>& view);
};

// A read statement on standard input: it starts at the next input record and
// skips the rest of the record that held its last value.
class Read : detail::Statement {
public:
    explicit Read(Location where);  // list-directed
    ~Read();

    Read& operator>>(std::int32_t& value);
    template <std::size_t L>
    Read& operator>>(Text<L>& field) {
        return text_item(field.data(), L);
    }

    template <class T>
    Read& operator>>(T&) = delete;

private:
    Read& text_item(char* field, std::size_t length);
};

}  // namespace console
