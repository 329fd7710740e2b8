#pragma once

#include <span>

#include "forms/control_texts.h"

namespace rainbow {

// What each control of the theory window does, in English.
std::span<const ControlText> theory_texts();

}  // namespace rainbow
