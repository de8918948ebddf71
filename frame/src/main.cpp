// The program entry: hand the runtime the command line and the settings,
// run the body, and report success. A fatal error ends the process inside
// the runtime, so main returns only after a normal run.
#include <array>

#include "frame/program.hpp"
#include "gfortran.hpp"

namespace {

// Classes of language features, as this runtime numbers them (twelve in all).
constexpr int f95_deleted = 1 << 2;
constexpr int legacy_extensions = 1 << 6;
constexpr int f2018_deleted = 1 << 11;
constexpr int every_class = (1 << 12) - 1;

// Floating-point exceptions listed when a program ends through a stop:
// all but inexact, which nearly every computation raises.
constexpr int invalid = 1, denormal = 2, division_by_zero = 4, overflow = 8, underflow = 16;

constexpr int off = 0;
constexpr int on = 1;

// In this runtime's order. Its interface dropped two slots that older
// interfaces kept free, so the settings are placed by meaning.
constexpr std::array settings{
    f95_deleted | f2018_deleted | legacy_extensions,  // warn: deleted features, legacy extensions
    every_class,                                      // allow: every class
    off,                                              // pedantic checks
    on,                                               // backtrace after a fatal error
    on,                                               // sign of a negative zero
    off,                                              // array bounds checking
    invalid | denormal | division_by_zero | overflow | underflow,
};
// What gfortran itself hands over for a program built with its defaults.
static_assert(settings == std::array{2116, 4095, 0, 1, 1, 0, 31});

}  // namespace

int main(int argc, char** argv) {
    gfortran::_gfortran_set_args(argc, argv);
    gfortran::_gfortran_set_options(static_cast<int>(settings.size()), settings.data());
    MAIN__();
    return 0;
}
