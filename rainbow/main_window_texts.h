#pragma once

#include <span>

#include "forms/control_texts.h"

namespace rainbow {

// What each control of the main window does, in English.
std::span<const ControlText> main_window_texts();

}  // namespace rainbow
