// Integer pointers alias existing integers: assigning through one writes its
// target, and re-associating one moves the alias without changing a value.
#include <cstdint>

#include "frame/program.hpp"
#include "frame/statement.hpp"

namespace {

constexpr console::Source scalias{"scalias"};

}  // namespace

extern "C" void MAIN__() {
    std::int32_t x = 10;
    std::int32_t y = 20;
    std::int32_t* p1 = &x;
    std::int32_t* p2 = &y;

    console::Write{scalias.line(9)} << x << y << *p1 << *p2;

    *p1 = 25;
    *p2 = *p2 + 1;
    console::Write{scalias.line(13)} << x << y << *p1 << *p2;

    *p1 = *p2;
    console::Write{scalias.line(16)} << x << y << *p1 << *p2;

    p1 = p2;
    *p1 = *p1 + 5;
    console::Write{scalias.line(21)} << x << y << *p1 << *p2;
}
