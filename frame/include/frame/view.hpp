// Array section views: the runtime's own array descriptor, held in the
// caller's storage, that shows part of an array without owning it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace console {

using Index = std::ptrdiff_t;

// One index of a view: element positions step by stride, from lower to upper.
struct Bounds {
    Index stride;
    Index lower;
    Index upper;
};

enum class ElementKind { integer, real };

namespace detail {

// Room for the runtime's descriptor of the given rank. Its fields are laid out
// and checked inside the frame library; callers only reserve the bytes.
template <std::size_t Rank>
struct alignas(8) DescriptorStorage {
    std::byte bytes[40 + 24 * Rank];
};

// The untyped part of a view, implemented next to the runtime's layout.
template <std::size_t Rank>
class ViewCore {
public:
    explicit ViewCore(ElementKind kind);
    ViewCore(const ViewCore&) = delete;
    ViewCore& operator=(const ViewCore&) = delete;

    // Points the view at new storage; no element is read or written.
    void associate(void* base, const std::array<Bounds, Rank>& bounds);
    // offset + sum of k[d] * stride[d]: where element k lies from the base.
    Index position(const std::array<Index, Rank>& k) const;
    void* base() const;
    Bounds bounds(std::size_t dimension) const;

    const DescriptorStorage<Rank>& storage() const { return storage_; }

private:
    DescriptorStorage<Rank> storage_;
};

extern template class ViewCore<1>;
extern template class ViewCore<2>;

template <class T>
constexpr ElementKind kind_of() {
    using Element = std::remove_const_t<T>;
    static_assert(sizeof(Element) == 4, "views hold 4-byte integers or reals");
    if constexpr (std::is_same_v<Element, std::int32_t>) return ElementKind::integer;
    else {
        static_assert(std::is_same_v<Element, float>, "views hold 32-bit integers or reals");
        return ElementKind::real;
    }
}

}  // namespace detail

// A view of T elements with Rank indices. It starts disassociated; associating
// it changes the view alone, and elements are always reached through its base,
// offset and strides.
template <class T, std::size_t Rank = 1>
class ArrayView {
public:
    ArrayView() : core_{detail::kind_of<T>()} {}

    // A whole rank-1 array: index 1 is its first element.
    explicit ArrayView(std::span<T> elements)
        requires(Rank == 1)
        : ArrayView() {
        associate(elements);
    }

    void associate(T* base, const std::array<Bounds, Rank>& bounds) {
        core_.associate(const_cast<std::remove_const_t<T>*>(base), bounds);
    }

    void associate(std::span<T> elements)
        requires(Rank == 1)
    {
        associate(elements.data(), {Bounds{1, 1, static_cast<Index>(elements.size())}});
    }

    template <class... K>
        requires(sizeof...(K) == Rank)
    T& operator()(K... k) const {
        return static_cast<T*>(core_.base())[core_.position({static_cast<Index>(k)...})];
    }

    Bounds bounds(std::size_t dimension = 0) const { return core_.bounds(dimension); }
    const detail::ViewCore<Rank>& core() const { return core_; }

private:
    detail::ViewCore<Rank> core_;
};

}  // namespace console
