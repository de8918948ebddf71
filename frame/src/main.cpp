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

// In this runtime's order, which places by meaning what older interfaces
// spread over more slots (two of them kept free).
constexpr std::array settings{
    f95_deleted | f2018_deleted | legacy_extensions,  // warn: deleted features, legacy extensions
    every_class,                                      // allow: every class
    off,                                              // pedantic checks
    on,                                               // backtrace after a fatal error
    on,                                               // sign of a negative zero
    off,                                              // array bounds checking
    invalid | denormal | division_by_zero | overflow | underflow,  // floating-point summary
};
// What gfortran itself hands over for a program built with its defaults.
static_assert(settings == std::array{2116, 4095, 0, 1, 1, 0, 31});

// Windows builds hand over the whole table; Linux builds stop before the
// floating-point summary, which their table never held.
#ifdef _WIN32
constexpr int handed_over = static_cast<int>(settings.size());
#else
constexpr int handed_over = static_cast<int>(settings.size()) - 1;
#endif

}  // namespace

// On Windows, g++ opens main with a call to the start-up's constructor runner
// (__main), which finds the constructors already run and does nothing.
int main(int argc, char** argv) {
    gfortran::_gfortran_set_args(argc, argv);
    gfortran::_gfortran_set_options(handed_over, settings.data());
    MAIN__();
    return 0;
}
