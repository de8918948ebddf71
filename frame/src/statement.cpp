// Each statement fills its block, begins, transfers its items in order and
// finishes; the runtime does the editing and reports any failure itself.
#include "frame/statement.hpp"

#include <new>

#include "gfortran.hpp"
#include "output.hpp"

namespace console {

namespace {

// A fresh block: every field the flags do not announce stays zero. (cppcheck
// does not see that the placement new writes the storage and the block.)
// cppcheck-suppress constParameter
gfortran::DataTransfer& fill(detail::BlockStorage& storage, std::int32_t unit, std::int32_t flags,
                             Location where) {
    // cppcheck-suppress legacyUninitvar
    auto* block = new (storage.bytes) gfortran::DataTransfer{};
    block->common.flags = flags;
    block->common.unit = unit;
    block->common.filename = where.source;
    block->common.line = where.line;
    return *block;
}

constexpr std::string_view no_advance = "no";

}  // namespace

Write::Write(Location where) {
    gfortran::_gfortran_st_write(&fill(block_, gfortran::output_unit, gfortran::list_directed, where));
}

Write::Write(Location where, const Format& format) {
    const bool advancing = format.advance == Advance::yes;
    auto& block = fill(block_, gfortran::output_unit,
                       advancing ? gfortran::format_given : gfortran::format_given | gfortran::advance_given, where);
    block.format = format.text.data();
    block.format_len = format.text.size();
    if (!advancing) {
        block.advance = no_advance.data();
        block.advance_len = no_advance.size();
    }
    gfortran::_gfortran_st_write(&block);
}

Write::~Write() {
    auto* block = gfortran::block_in(block_);
    const Location where{block->common.filename, block->common.line};
    // The frame gives an advance text only to keep the record open.
    const bool record_complete = (block->common.flags & gfortran::advance_given) == 0;
    gfortran::_gfortran_st_write_done(block);
    detail::check_output(where, record_complete);
}

Write& Write::operator<<(std::string_view text) {
    gfortran::_gfortran_transfer_character_write(gfortran::block_in(block_), text.data(),
                                                 text.size());
    return *this;
}

Write& Write::operator<<(const std::int32_t& value) {
    gfortran::_gfortran_transfer_integer_write(gfortran::block_in(block_), &value, sizeof value);
    return *this;
}

Write& Write::operator<<(const float& value) {
    gfortran::_gfortran_transfer_real_write(gfortran::block_in(block_), &value, sizeof value);
    return *this;
}

Write& Write::array_item(const detail::ViewCore<1>& view) {
    auto* descriptor = gfortran::for_runtime(view);
    gfortran::_gfortran_transfer_array_write(gfortran::block_in(block_), descriptor,
                                             static_cast<int>(descriptor->dtype.elem_len), 0);
    return *this;
}

Read::Read(Location where) {
    gfortran::_gfortran_st_read(&fill(block_, gfortran::input_unit, gfortran::list_directed, where));
}

Read::~Read() { gfortran::_gfortran_st_read_done(gfortran::block_in(block_)); }

Read& Read::operator>>(std::int32_t& value) {
    gfortran::_gfortran_transfer_integer(gfortran::block_in(block_), &value, sizeof value);
    return *this;
}

Read& Read::text_item(char* field, std::size_t length) {
    gfortran::_gfortran_transfer_character(gfortran::block_in(block_), field, length);
    return *this;
}

}  // namespace console
