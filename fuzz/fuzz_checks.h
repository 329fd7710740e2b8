#pragma once
// What every fuzz target checks of a refusal: one line, every control escaped. A failed check
// aborts, which libFuzzer reports with the input that caused it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace rainbow::fuzz {

inline void require(bool holds, const char* what, const std::string& detail = "") {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s: %s\n", what, detail.c_str());
    std::abort();
}

// A message for the user: no byte of a C0 control or DEL (C1 controls and bad bytes are
// written as escapes, so their bytes cannot appear either).
inline void require_one_escaped_line(std::string_view message) {
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        require(byte >= 0x20 && byte != 0x7F, "a control character in a message",
                std::string(message));
    }
}

// The fuzzer's bytes as a command line: arguments separated by NUL bytes.
inline std::vector<std::string> arguments(const unsigned char* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += char(data[i]);
        }
    }
    if (args.back().empty()) args.pop_back();
    return args;
}

// The fuzzer's bytes read as values, front to back; zeros once they run out.
class Bytes {
public:
    Bytes(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }

    template <class T>
    T take() {
        T value{};
        const std::size_t n = std::min(sizeof(T), size_ - std::min(at_, size_));
        if (n > 0) std::memcpy(&value, data_ + at_, n);
        at_ += sizeof(T);
        return value;
    }
    // A whole number from low to high, both included.
    int in_range(int low, int high) {
        return low + int(take<std::uint32_t>() % std::uint32_t(high - low + 1));
    }
    bool boolean() { return take<std::uint8_t>() & 1; }
    // Up to `longest` bytes, as many as the next byte says.
    std::string text(std::size_t longest) {
        const std::size_t n = std::min<std::size_t>(take<std::uint8_t>() % (longest + 1),
                                                    size_ - std::min(at_, size_));
        std::string out(reinterpret_cast<const char*>(data_) + std::min(at_, size_), n);
        at_ += n;
        return out;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace rainbow::fuzz
