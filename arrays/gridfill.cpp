// An n by n table of products, allocated at run time behind its size guards
// and printed one row per line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "frame/program.hpp"
#include "frame/services.hpp"
#include "frame/statement.hpp"
#include "frame/view.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source gridfill{"gridfill"};
constexpr console::Format element{"(f5.2)"sv, console::Advance::no};

// The table's size in bytes for an extent e, worked out in 32 bits whatever
// the width of the platform's sizes. Sizes that 32 bits cannot hold end the
// run before any memory is asked for.
std::uint32_t table_bytes(std::int32_t e) {
    constexpr std::int32_t largest = 2147483647;
    const bool first_stride_overflows = e != 0 && largest / e < 1;
    const bool second_stride_overflows = e != 0 && largest / e < e;
    const std::uint32_t elements = static_cast<std::uint32_t>(e) * static_cast<std::uint32_t>(e);
    const bool bytes_overflow = elements > 1073741823U;
    if (first_stride_overflows || second_stride_overflows || bytes_overflow)
        console::runtime_error("Integer overflow when calculating the amount of memory to allocate");
    return 4U * elements;
}

}  // namespace

extern "C" void MAIN__() {
    std::int32_t n = 0;  // what a read that supplies no value leaves
    console::ArrayView<float, 2> a;

    console::Write{gridfill.line(7)} << "entrer le nombre n:"sv;
    console::Read{gridfill.line(8)} >> n;

    // Never released: the table lives as long as the process.
    const std::int32_t e = std::max(n, 0);
    void* block = std::malloc(std::max<std::size_t>(table_bytes(e), 1));
    if (block == nullptr) console::os_error("Allocation would exceed memory limit");
    a.associate(static_cast<float*>(block), {console::Bounds{1, 1, n}, console::Bounds{e, 1, n}});

    // The guard keeps n at 32767 or less, so neither the indices nor i * j overflow.
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t j = 1; j <= n; ++j) a(i, j) = static_cast<float>(i * j);

    for (std::int32_t i = 1; i <= n; ++i) {
        for (std::int32_t j = 1; j <= n; ++j) console::Write{gridfill.line(19), element} << a(i, j);
        console::Write{gridfill.line(21)};
    }
}
