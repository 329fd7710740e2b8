#pragma once

#include <sys/types.h>

#include <ostream>
#include <string>
#include <vector>

namespace rainbow {

// The files the render command writes. Every name is checked when it is added, before
// anything is written; then all are written so that a failure leaves the folders as they were:
// - a new or regular file is written beside its place under a short temporary name and moved
//   into place when every output has been written (a link to a regular file keeps the link,
//   and its target gets the content);
// - a FIFO, a device, a standard stream (/dev/stdout) or a link to one is written in place,
//   never replaced;
// - "-" is standard output, written last.
// Names are used as their exact bytes. Throws BadInput, with one line naming the file.
class OutputFiles {
public:
    void add(const std::string& name);
    // contents[i] is the content of the i-th name added.
    void write(const std::vector<std::string>& contents, std::ostream& standard_output) const;

private:
    enum class Way { standard_output, in_place, replace };
    struct Destination {
        std::string name;
        Way way = Way::replace;
        std::string folder, leaf;  // where a replaced file lies
        bool keep_mode = false;    // the mode of an existing file that is replaced
        mode_t mode = 0;
        dev_t device = 0;  // what the file is, to find a file named twice
        ino_t inode = 0;
        std::string new_leaf;  // a file that does not exist yet: its name in `device`/`inode`
    };
    Destination classify(const std::string& name) const;

    std::vector<Destination> destinations_;
};

}  // namespace rainbow
