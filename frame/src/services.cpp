#include "frame/services.hpp"

#include "gfortran.hpp"

namespace console {

void detail::concat(std::span<char> result, std::string_view left, std::string_view right) {
    gfortran::_gfortran_concat_string(result.size(), result.data(),
                                      left.size(), left.data(),
                                      right.size(), right.data());
}

void random_fill(const ArrayView<float>& view) {
    gfortran::_gfortran_arandom_r4(gfortran::for_runtime(view.core()));
}

void runtime_error(CString message) {
    // The runtime formats its argument, so the message goes in as data.
    gfortran::_gfortran_runtime_error("%s", message.c_str());
}

void os_error(CString message) { gfortran::_gfortran_os_error(message.c_str()); }

}  // namespace console
