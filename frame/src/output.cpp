// The runtime writes standard output through the C library's write(), and
// ignores a failure of it. This definition stands in front of the C library's
// (the dynamic linker binds the runtime's calls to the program's own write,
// and on Windows the static link finds it before the C library's alias), so
// that a failure is remembered; check_output then reports it as the failure
// of the statement whose record was lost.
#include "output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "gfortran.hpp"

#ifdef _WIN32
extern "C" int _write(int fd, const void* bytes, unsigned int count);
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace {

// errno of the first write that failed, or 0.
int refused = 0;

constexpr int standard_error = 2;

void remember(int fd, bool failed) {
    // Every write but the runtime's own reports on standard error carries
    // standard output; with standard output closed, the runtime writes to
    // an invalid descriptor, and that fails too. A write that a signal
    // interrupted before it wrote anything has refused nothing.
    if (failed && fd != standard_error && errno != EINTR && refused == 0) refused = errno;
}

}  // namespace

#ifdef _WIN32
extern "C" int write(int fd, const void* bytes, unsigned int count) {
    const int written = _write(fd, bytes, count);
    remember(fd, written < 0);
    return written;
}
#else
extern "C" ssize_t write(int fd, const void* bytes, std::size_t count) {
    using Write = ssize_t (*)(int, const void*, std::size_t);
    static const auto next = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    const ssize_t written = next(fd, bytes, count);
    remember(fd, written < 0);
    return written;
}
#endif

namespace console::detail {

void check_output(Location where, bool record_complete) {
    if (record_complete) {
        const std::int32_t unit = gfortran::output_unit;
        gfortran::_gfortran_flush_i4(&unit);
    }
    if (refused == 0) return;
    // The runtime's own words for a failing statement on a unit.
    char statement[160];
    std::snprintf(statement, sizeof statement, "At line %d of file %s (unit = %d, file = 'stdout')",
                  where.line, where.source, gfortran::output_unit);
    gfortran::_gfortran_runtime_error_at(statement, "%s", std::strerror(refused));
}

}  // namespace console::detail
