// Array pointers alias two fixed arrays: writing through a pointer changes
// the array it shows, and re-associating one changes only what it shows.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "frame/program.hpp"
#include "frame/statement.hpp"
#include "frame/view.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source secalias{"secalias"};

using View = console::ArrayView<std::int32_t>;

constinit std::array<std::int32_t, 3> t1{1, 1, 1};
constinit std::array<std::int32_t, 5> t2{2, 2, 2, 2, 2};

}  // namespace

extern "C" void MAIN__() {
    View p1;
    View p2;
    std::array<std::int32_t, 2> temporary;

    p1.associate(t1);
    p2.associate(t2);

    // p1(2:3) = p2(4:5). The whole source is read before any element is
    // written, so the copy holds even where the two views share storage.
    for (std::size_t j = 0; j < temporary.size(); ++j) temporary[j] = p2(4 + j);
    for (std::size_t j = 0; j < temporary.size(); ++j) p1(2 + j) = temporary[j];

    console::Write{secalias.line(9)} << "t1="sv << View{t1};
    console::Write{secalias.line(10)} << "t2="sv << View{t2};
    console::Write{secalias.line(11)} << "p1="sv << p1;
    console::Write{secalias.line(12)} << "p2="sv << p2;
    console::Write{secalias.line(13)} << "-----------------------------------------"sv;

    p1.associate(std::span{t1}.first(2));
    for (auto k = p2.bounds().lower; k <= p2.bounds().upper; ++k) p2(k) = 3;

    console::Write{secalias.line(16)} << "t1="sv << View{t1};
    console::Write{secalias.line(17)} << "t2="sv << View{t2};
    console::Write{secalias.line(18)} << "p1="sv << p1;
    console::Write{secalias.line(19)} << "p2="sv << p2;
}
