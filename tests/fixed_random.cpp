// Linked into a copy of randstat in place of the runtime's random fill, so
// that a test can choose the table it draws. The values come from
// RANDOM_FIXTURE, separated by commas, and go to the view's elements in index
// order, each located through the view's base, offset and stride as the
// runtime would.
#include <cstdlib>
#include <cstring>

#include "gfortran.hpp"

namespace gfortran {

extern "C" void _gfortran_arandom_r4(Descriptor<1>* view) {
    const char* values = std::getenv("RANDOM_FIXTURE");
    if (values == nullptr) std::abort();
    auto* base = static_cast<float*>(view->base);
    const auto& dim = view->dim[0];
    for (index k = dim.lower_bound; k <= dim.upper_bound; ++k) {
        char* end = nullptr;
        base[view->offset + k * dim.stride] = std::strtof(values, &end);
        if (end == values) std::abort();  // fewer values than elements
        values = *end == ',' ? end + 1 : end;
    }
}

}  // namespace gfortran
