#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "forms/scale.h"

namespace rainbow {

class Program;
class Surface;

// What the soak checks after every event. Each check returns the problems it found, one line
// each; none means the program is sound.

// Every label that shows a control's value shows the value the control holds.
std::vector<std::string> label_disagreements(Program& program);

// Every item of every display list has finite coordinates, none absurdly far from its
// picture: farther than `absurd_factor` times the picture's own extent. Only the items drawn
// since the last call are read (a picture cleared since then is read again from its start).
class DisplayListCheck {
public:
    static constexpr double absurd_factor = 1e4;
    // The most items a picture may hold before its memory counts as unbounded.
    static constexpr std::size_t largest_picture_items = 1'000'000;

    std::vector<std::string> check(Program& program);
    // Forget what was read: the program was replaced.
    void reset() { read_.clear(); }
    // The most items any picture has held, and the farthest item relative to its picture.
    std::size_t most_items() const { return most_items_; }
    double farthest() const { return farthest_; }

private:
    struct Read {
        std::uint64_t generation = 0;
        std::size_t items = 0;
        Scale scale;  // in force after the items read
    };
    void check_surface(const std::string& name, const Surface& surface,
                       std::vector<std::string>& problems);
    std::map<const Surface*, Read> read_;
    std::size_t most_items_ = 0;
    double farthest_ = 0;
};

// The resident memory of this process in bytes (0 where it cannot be read).
std::size_t resident_bytes();

}  // namespace rainbow
