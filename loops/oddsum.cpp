// Sum of the odd integers up to n, with a loop whose passes are counted out
// before the first one.
#include <cstdint>
#include <string_view>

#include "frame/program.hpp"
#include "frame/statement.hpp"
#include "frame/wrapping.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source oddsum{"oddsum"};
constexpr console::Format result{R"f(("la somme des termes impairs, inferieurs a ",i3," est ",i6))f"sv};

// Zero at load and never reset: the body runs once per process.
constinit std::int32_t somme = 0;

}  // namespace

extern "C" void MAIN__() {
    std::int32_t n = 0;  // what a read that supplies no value leaves

    console::Write{oddsum.line(5)} << "Donner la valeur de n :"sv;
    console::Read{oddsum.line(6)} >> n;

    std::int32_t i = 1;
    if (n > 0) {
        // Counting passes instead of comparing i with n keeps i from stepping
        // past the largest n: i ends at the largest odd number up to n.
        for (auto passes_left = static_cast<std::uint32_t>(n - 1) >> 1;; --passes_left) {
            somme = wrapping::add(somme, i);
            if (passes_left == 0) break;
            i += 2;
        }
    }

    console::Write{oddsum.line(10), result} << n << somme;
}
