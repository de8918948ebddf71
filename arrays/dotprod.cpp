// The dot product of two fixed vectors.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/program.hpp"
#include "frame/statement.hpp"
#include "frame/wrapping.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source dotprod{"dotprod"};

constexpr std::array<std::int32_t, 4> vecteur_a{1, 2, 3, 4};
constexpr std::array<std::int32_t, 4> vecteur_b{1, 1, 1, 1};

}  // namespace

extern "C" void MAIN__() {
    std::int32_t p = 0;
    for (std::size_t k = 0; k < vecteur_a.size(); ++k)
        p = wrapping::add(p, wrapping::multiply(vecteur_a[k], vecteur_b[k]));

    console::Write{dotprod.line(7)} << "p="sv << p;
}
