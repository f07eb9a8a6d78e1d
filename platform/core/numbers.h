// Integer conversions as the windows expect them: nearest integer with halves to the even
// neighbour, and the overflow error when a value leaves the range of its variable.
#pragma once

#include <cstdint>

namespace platform {

// Nearest 32-bit integer, halves to even (162.5 -> 162, 163.5 -> 164); overflow error 6 outside
// the range or for a value that is not a number.
std::int32_t toInt32(double value);

// The same for a 16-bit variable (-32768..32767).
std::int16_t toInt16(double value);

// Checked narrowing of an exact integer.
std::int16_t checkedInt16(long long value);
std::int32_t checkedInt32(long long value);

// A 16-bit integer variable: assigning a value outside -32768..32767 raises the overflow error,
// arithmetic on it happens in wider integers first.
class Int16 {
public:
    Int16() = default;
    Int16(long long value) : value_(checkedInt16(value)) {}
    Int16& operator=(long long value) {
        value_ = checkedInt16(value);
        return *this;
    }
    operator long long() const { return value_; }

private:
    std::int16_t value_ = 0;
};

// A 32-bit integer variable with the same overflow rule.
class Int32 {
public:
    Int32() = default;
    Int32(long long value) : value_(checkedInt32(value)) {}
    Int32& operator=(long long value) {
        value_ = checkedInt32(value);
        return *this;
    }
    operator long long() const { return value_; }

private:
    std::int32_t value_ = 0;
};

}  // namespace platform
