#pragma once

#include <stdexcept>
#include <string>

#include "forms/utf8.h"  // in_quotes: every quoted input in a message is escaped

namespace rainbow {

// Input the render command cannot act on; the message names what was wrong, on one line.
class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace rainbow
