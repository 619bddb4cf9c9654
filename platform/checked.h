// The system's number types and fixed arrays, with the range checks of the run-time system.
//
// Arithmetic on Integer values is ordinary int arithmetic; the check happens where a result is
// stored into an Integer (or a Word), and where an Array is indexed. A value that does not fit
// stops the program with run-time error 201, reported at the place of the store or the index.
#pragma once

#include <cstdint>
#include <type_traits>

#include "platform/runtime.h"

namespace rt {

using Real = double;          // every coordinate, sample, matrix entry and coefficient
using Extended = long double; // the precision a formula is evaluated in before it is stored

template <long long Low, long long High, class Storage>
class Checked {
public:
    constexpr Checked() = default;

    template <class T>
        requires std::is_integral_v<T>
    constexpr Checked(T value) : value_(store(value)) {}  // NOLINT: implicit on purpose, it is a store

    template <long long L, long long H, class S>
    constexpr Checked(Checked<L, H, S> other) : value_(store(int(other))) {}  // NOLINT: checked store

    template <class T>
        requires std::is_floating_point_v<T>
    Checked(T) = delete;  // a Real becomes an integer only through trunc()

    constexpr operator int() const { return value_; }

    constexpr Checked& operator++() { return *this = int(value_) + 1; }
    constexpr Checked& operator--() { return *this = int(value_) - 1; }
    constexpr Checked& operator+=(int step) { return *this = int(value_) + step; }
    constexpr Checked& operator-=(int step) { return *this = int(value_) - step; }

private:
    template <class T>
    static constexpr Storage store(T value) {
        const auto wide = static_cast<long long>(value);
        if constexpr (std::is_unsigned_v<T>) {
            if (static_cast<unsigned long long>(value) > static_cast<unsigned long long>(High))
                range_error(static_cast<long long>(static_cast<unsigned long long>(value) & 0x7FFFFFFFFFFFFFFF), Low, High);
        } else if (wide < Low || wide > High) {
            range_error(wide, Low, High);
        }
        return static_cast<Storage>(wide);
    }

    Storage value_ = 0;
};

using Integer = Checked<-32768, 32767, std::int16_t>;  // counts, indices, pixels, colour numbers
using Word = Checked<0, 65535, std::uint16_t>;         // an unsigned 16-bit argument (colours)

// A fixed array indexed Low..High; every index is checked.
template <class T, int Low, int High>
class Array {
public:
    static constexpr int low = Low;
    static constexpr int high = High;

    constexpr T& operator[](int index) { return items_[offset(index)]; }
    constexpr const T& operator[](int index) const { return items_[offset(index)]; }

    T items_[High - Low + 1];  // public so that constants can be written as aggregates

private:
    static constexpr int offset(int index) {
        if (index < Low || index > High) range_error(index, Low, High);
        return index - Low;
    }
};

// Truncation toward zero of an unrounded extended value; a value with no 64-bit integer
// (too large, infinite or not a number) stops the program with run-time error 207.
long long trunc(Extended value);

}  // namespace rt
