#pragma once

#include <span>

#include "forms/control_texts.h"

namespace rainbow {

// What each control of the caustics window does, in English.
std::span<const ControlText> caustics_texts();

}  // namespace rainbow
