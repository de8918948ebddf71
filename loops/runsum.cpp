// Sum of the first n integers, added one by one with a counted loop.
#include <cstdint>
#include <string_view>

#include "frame/program.hpp"
#include "frame/statement.hpp"
#include "frame/wrapping.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source runsum{"runsum"};
constexpr console::Format result{R"f(("la somme des ",i3," premiers termes est ",i6))f"sv};

// Zero at load and never reset: the body runs once per process.
constinit std::int32_t somme = 0;

}  // namespace

extern "C" void MAIN__() {
    std::int32_t n = 0;  // what a read that supplies no value leaves

    console::Write{runsum.line(5)} << "Donner la valeur de n :"sv;
    console::Read{runsum.line(6)} >> n;

    std::int32_t i = 1;
    if (i <= n) {
        while (true) {
            somme = wrapping::add(somme, i);
            if (i == n) break;  // i never has to pass n, so n = 2147483647 ends too
            ++i;
        }
    }

    console::Write{runsum.line(11), result} << n << somme;
}
