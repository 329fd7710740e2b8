#pragma once

#include <span>

#include "forms/control_texts.h"

namespace rainbow {

// What each control of the ray-crossing window does, in English.
std::span<const ControlText> cut_rays_texts();

}  // namespace rainbow
