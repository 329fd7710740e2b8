#pragma once
// Numbers to text and back for floating point, shortest round-trip and locale-free. Where the
// standard library has std::to_chars / std::from_chars for float and double they are used as
// they are; where it lacks them (the libc++ of the WebAssembly build) the same results are made
// from the C library's correctly rounded printf and strtod.
#include <charconv>
#include <system_error>
#include <type_traits>

#if defined(__cpp_lib_to_chars)
#define RAINBOW_FLOAT_CHARCONV 1
#else
#define RAINBOW_FLOAT_CHARCONV 0
#endif

namespace rainbow::portable {

#if !RAINBOW_FLOAT_CHARCONV
std::to_chars_result shortest_chars(char* first, char* last, double value, bool single);
std::from_chars_result read_chars(const char* first, const char* last, double& value);
std::from_chars_result read_chars(const char* first, const char* last, float& value);
#endif

// std::to_chars(first, last, value) for any arithmetic value.
template <class T>
std::to_chars_result to_chars(char* first, char* last, T value) {
#if !RAINBOW_FLOAT_CHARCONV
    if constexpr (std::is_floating_point_v<T>) {
        static_assert(sizeof(T) <= sizeof(double), "long double has no shortest text here");
        return shortest_chars(first, last, double(value), std::is_same_v<T, float>);
    } else
#endif
    {
        return std::to_chars(first, last, value);
    }
}

// std::from_chars(first, last, value) (general format) for any arithmetic value.
template <class T>
std::from_chars_result from_chars(const char* first, const char* last, T& value) {
#if !RAINBOW_FLOAT_CHARCONV
    if constexpr (std::is_floating_point_v<T>) {
        return read_chars(first, last, value);
    } else
#endif
    {
        return std::from_chars(first, last, value);
    }
}

}  // namespace rainbow::portable
