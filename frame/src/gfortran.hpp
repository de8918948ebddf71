// The runtime's C interface, as libgfortran (interface 5, gfortran 12) lays it
// out on each target the suite builds for: x86-64 Linux, i386 Linux and i686
// Windows (MinGW).
//
// Every layout here was read off what gfortran 12 emits for one-statement
// programs on each target (its -fdump-tree-original(-raw) output and the
// offsets in its -S assembly). The records are declared with the field types
// the compiler uses, so the platform's own alignment rules place them; the
// static_asserts below pin the readings per target, so a runtime or platform
// that lays a record out differently stops the build instead of corrupting
// the caller's frame. Only the frame's own sources include this header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "frame/statement.hpp"
#include "frame/view.hpp"

namespace gfortran {

// Text lengths travel as the platform's size type.
using charlen = std::size_t;
// Descriptor fields are pointer-sized signed integers.
using index = std::ptrdiff_t;

// The part of the data-transfer block that every statement shares.
struct StatementCommon {
    std::int32_t flags;
    std::int32_t unit;
    const char* filename;
    std::int32_t line;
    // Message and status fields, which no statement of ours asks for.
    charlen iomsg_len;
    char* iomsg;
    std::int32_t* iostat;
};

// The data-transfer block: the fields a statement fills, then the rest of the
// block, reserved at its full size because the runtime writes all of it.
template <std::size_t Rest>
struct DataTransferOf {
    StatementCommon common;
    // Record number, size and internal-unit fields, unrequested.
    std::int64_t rec;
    std::int32_t* size;
    std::int32_t* iolength;
    void* internal_unit_desc;
    const char* format;
    charlen format_len;
    charlen advance_len;
    const char* advance;
    std::byte rest[Rest];
};

// What the probes showed on each target: offsets and sizes in bytes, of the
// block's fields and of the descriptor's, for ranks 1 and 2.
struct Layout {
    std::size_t line, iomsg_len, common;
    std::size_t format, format_len, advance_len, advance, block, block_align;
    std::size_t dtype, rank, span, dim, descriptor1, descriptor2;
};
#if defined(__x86_64__) && defined(__linux__)
inline constexpr Layout probed{
    .line = 16, .iomsg_len = 24, .common = 48,
    .format = 80, .format_len = 88, .advance_len = 96, .advance = 104, .block = 528, .block_align = 8,
    .dtype = 16, .rank = 28, .span = 32, .dim = 40, .descriptor1 = 64, .descriptor2 = 88,
};
#elif defined(__i386__) && defined(__linux__)
inline constexpr Layout probed{
    .line = 12, .iomsg_len = 16, .common = 28,
    .format = 48, .format_len = 52, .advance_len = 56, .advance = 60, .block = 340, .block_align = 4,
    .dtype = 8, .rank = 16, .span = 20, .dim = 24, .descriptor1 = 36, .descriptor2 = 48,
};
#elif defined(__i386__) && defined(_WIN32)
// A 64-bit field is 8-byte aligned here, unlike on i386 Linux: the record
// number moves, and everything after it with it.
inline constexpr Layout probed{
    .line = 12, .iomsg_len = 16, .common = 28,
    .format = 52, .format_len = 56, .advance_len = 60, .advance = 64, .block = 344, .block_align = 8,
    .dtype = 8, .rank = 16, .span = 20, .dim = 24, .descriptor1 = 36, .descriptor2 = 48,
};
#else
#error "no probed layout of the runtime's records for this target"
#endif

using DataTransfer = DataTransferOf<probed.block - probed.advance - sizeof(const char*)>;

static_assert(offsetof(StatementCommon, flags) == 0);
static_assert(offsetof(StatementCommon, unit) == 4);
static_assert(offsetof(StatementCommon, filename) == 8);
static_assert(offsetof(StatementCommon, line) == probed.line);
static_assert(offsetof(StatementCommon, iomsg_len) == probed.iomsg_len);
static_assert(sizeof(StatementCommon) == probed.common);
static_assert(offsetof(DataTransfer, format) == probed.format);
static_assert(offsetof(DataTransfer, format_len) == probed.format_len);
static_assert(offsetof(DataTransfer, advance_len) == probed.advance_len);
static_assert(offsetof(DataTransfer, advance) == probed.advance);
static_assert(sizeof(DataTransfer) == probed.block);
static_assert(alignof(DataTransfer) == probed.block_align);

// Statement flags (common.flags).
inline constexpr std::int32_t list_directed = 1 << 7;
inline constexpr std::int32_t format_given = 1 << 12;
inline constexpr std::int32_t advance_given = 1 << 13;
static_assert(list_directed == 128 && format_given == 4096 && (format_given | advance_given) == 12288);

inline constexpr std::int32_t input_unit = 5;
inline constexpr std::int32_t output_unit = 6;

// Element type codes of the descriptor's type word.
inline constexpr std::int8_t type_integer = 1;
inline constexpr std::int8_t type_real = 3;

struct ElementType {
    std::size_t elem_len;
    std::int32_t version;
    std::int8_t rank;
    std::int8_t type;
    std::int16_t attribute;
};
static_assert(offsetof(ElementType, elem_len) == 0);
static_assert(probed.dtype + offsetof(ElementType, rank) == probed.rank);
static_assert(offsetof(ElementType, type) == offsetof(ElementType, rank) + 1);

struct Dimension {
    index stride;
    index lower_bound;
    index upper_bound;
};
static_assert(sizeof(Dimension) == 3 * sizeof(index));

// The array descriptor. Element k of a rank-1 view is base[offset + k * stride],
// counted in elements; span repeats the element size in bytes.
template <std::size_t Rank>
struct Descriptor {
    void* base;
    index offset;
    ElementType dtype;
    index span;
    Dimension dim[Rank];
};
static_assert(offsetof(Descriptor<1>, base) == 0);
static_assert(offsetof(Descriptor<1>, offset) == sizeof(void*));
static_assert(offsetof(Descriptor<1>, dtype) == probed.dtype);
static_assert(offsetof(Descriptor<1>, span) == probed.span);
static_assert(offsetof(Descriptor<1>, dim) == probed.dim);
static_assert(sizeof(Descriptor<1>) == probed.descriptor1);
static_assert(sizeof(Descriptor<2>) == probed.descriptor2);

// The public types reserve room for these records in the caller's frame, at
// the size of the widest target.
static_assert(sizeof(DataTransfer) <= sizeof(console::detail::BlockStorage));
static_assert(alignof(DataTransfer) <= alignof(console::detail::BlockStorage));
static_assert(sizeof(Descriptor<1>) <= sizeof(console::detail::DescriptorStorage<1>));
static_assert(sizeof(Descriptor<2>) <= sizeof(console::detail::DescriptorStorage<2>));
static_assert(alignof(Descriptor<2>) <= alignof(console::detail::DescriptorStorage<2>));

// Declared inside a namespace so that the runtime's names, which begin with an
// underscore, stay out of the global namespace that C++ reserves for them.
extern "C" {
void _gfortran_set_args(int argc, char** argv);
void _gfortran_set_options(int count, const int options[]);

void _gfortran_st_write(DataTransfer*);
void _gfortran_st_write_done(DataTransfer*);
void _gfortran_st_read(DataTransfer*);
void _gfortran_st_read_done(DataTransfer*);

void _gfortran_transfer_character_write(DataTransfer*, const char* text, charlen length);
void _gfortran_transfer_character(DataTransfer*, char* field, charlen length);
void _gfortran_transfer_integer_write(DataTransfer*, const void* value, int kind);
void _gfortran_transfer_integer(DataTransfer*, void* value, int kind);
void _gfortran_transfer_real_write(DataTransfer*, const void* value, int kind);
void _gfortran_transfer_array_write(DataTransfer*, Descriptor<1>* view, int kind, charlen text_length);

void _gfortran_concat_string(charlen result_length, char* result, charlen left_length, const char* left,
                             charlen right_length, const char* right);
void _gfortran_arandom_r4(Descriptor<1>* view);

void _gfortran_flush_i4(const std::int32_t* unit);

[[noreturn]] void _gfortran_runtime_error(const char* format, ...);
[[noreturn]] void _gfortran_runtime_error_at(const char* where, const char* format, ...);
[[noreturn]] void _gfortran_os_error(const char* message);
}

// The records that the public types reserve room for. Each is created in its
// storage by placement new before any of these is called.
inline DataTransfer* block_in(console::detail::BlockStorage& storage) {
    return std::launder(reinterpret_cast<DataTransfer*>(storage.bytes));
}

template <std::size_t Rank>
Descriptor<Rank>* descriptor_in(console::detail::DescriptorStorage<Rank>& storage) {
    return std::launder(reinterpret_cast<Descriptor<Rank>*>(storage.bytes));
}

template <std::size_t Rank>
const Descriptor<Rank>* descriptor_in(const console::detail::DescriptorStorage<Rank>& storage) {
    return std::launder(reinterpret_cast<const Descriptor<Rank>*>(storage.bytes));
}

// The runtime takes descriptors by a non-const pointer: it may write the
// elements a view shows (a random fill), but never the descriptor itself.
template <std::size_t Rank>
Descriptor<Rank>* for_runtime(const console::detail::ViewCore<Rank>& view) {
    return const_cast<Descriptor<Rank>*>(descriptor_in(view.storage()));
}

}  // namespace gfortran
