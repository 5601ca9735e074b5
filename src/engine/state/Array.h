#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "GameError.h"
#include "Int.h"

namespace quorvex {

// A fixed array indexed from 1 in every dimension, the last index varying fastest, stored in one
// contiguous block (the save file writes it as it stands). An index outside the declared range
// stops the action with "Range check error".
template <typename T, int... Dims>
class Array {
public:
    static constexpr int kRank = sizeof...(Dims);
    static constexpr std::size_t kSize = (std::size_t(Dims) * ...);
    static_assert(kRank >= 1);

    template <typename... I>
    requires(sizeof...(I) == kRank) T& operator()(I... index) {
        return data_[offset(Int(index)...)];
    }
    template <typename... I>
    requires(sizeof...(I) == kRank) const T& operator()(I... index) const {
        return data_[offset(Int(index)...)];
    }

    T& operator[](Int i) requires(kRank == 1) { return data_[offset(i)]; }
    const T& operator[](Int i) const requires(kRank == 1) { return data_[offset(i)]; }

    // The run of the last index for the leading indices given, checked once: element k of the
    // run (0-based) is the element whose last index is k + 1. For loops over a whole row.
    template <typename... I>
    requires(sizeof...(I) == kRank - 1 && kRank >= 2) T* row(I... leading) {
        return data_.data() + offset(Int(leading)..., Int(1));
    }
    template <typename... I>
    requires(sizeof...(I) == kRank - 1 && kRank >= 2) const T* row(I... leading) const {
        return data_.data() + offset(Int(leading)..., Int(1));
    }
    static constexpr int lastExtent() {
        constexpr int dims[] = {Dims...};
        return dims[kRank - 1];
    }

    void fill(const T& value) { data_.fill(value); }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }
    static constexpr std::size_t size() { return kSize; }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }

    friend bool operator==(const Array&, const Array&) = default;

private:
    template <typename... I>
    static std::size_t offset(I... index) {
        constexpr int dims[] = {Dims...};
        const Int idx[] = {index...};
        std::size_t at = 0;
        for (int k = 0; k < kRank; ++k) {
            const int32_t i = idx[k].get();
            if (i < 1 || i > dims[k]) throw GameError(kRangeCheckError);
            at = at * static_cast<std::size_t>(dims[k]) + static_cast<std::size_t>(i - 1);
        }
        return at;
    }

    std::array<T, kSize> data_{};
};

}  // namespace quorvex
