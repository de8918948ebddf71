// Views keep the runtime's descriptor itself, so the same bytes serve the
// program's element access and the runtime's array transfers.
#include "frame/view.hpp"

#include <new>

#include "gfortran.hpp"

namespace console::detail {

namespace {

constexpr std::size_t element_size = 4;

std::int8_t type_code(ElementKind kind) {
    return kind == ElementKind::integer ? gfortran::type_integer : gfortran::type_real;
}

}  // namespace

template <std::size_t Rank>
ViewCore<Rank>::ViewCore(ElementKind kind) {
    // cppcheck-suppress legacyUninitvar ; the placement new value-initialises it
    auto* descriptor = new (storage_.bytes) gfortran::Descriptor<Rank>{};
    descriptor->dtype.elem_len = element_size;
    descriptor->dtype.rank = static_cast<std::int8_t>(Rank);
    descriptor->dtype.type = type_code(kind);
    descriptor->span = element_size;
}

template <std::size_t Rank>
void ViewCore<Rank>::associate(void* base, const std::array<Bounds, Rank>& bounds) {
    auto* descriptor = gfortran::descriptor_in(storage_);
    descriptor->base = base;
    // Chosen so that the lower bounds of every index land on the base.
    descriptor->offset = 0;
    for (std::size_t d = 0; d < Rank; ++d) {
        descriptor->dim[d] = {bounds[d].stride, bounds[d].lower, bounds[d].upper};
        descriptor->offset -= bounds[d].lower * bounds[d].stride;
    }
}

template <std::size_t Rank>
Index ViewCore<Rank>::position(const std::array<Index, Rank>& k) const {
    const auto* descriptor = gfortran::descriptor_in(storage_);
    Index position = descriptor->offset;
    for (std::size_t d = 0; d < Rank; ++d) position += k[d] * descriptor->dim[d].stride;
    return position;
}

template <std::size_t Rank>
void* ViewCore<Rank>::base() const {
    return gfortran::descriptor_in(storage_)->base;
}

template <std::size_t Rank>
Bounds ViewCore<Rank>::bounds(std::size_t dimension) const {
    const auto& dim = gfortran::descriptor_in(storage_)->dim[dimension];
    return {dim.stride, dim.lower_bound, dim.upper_bound};
}

template class ViewCore<1>;
template class ViewCore<2>;

}  // namespace console::detail
