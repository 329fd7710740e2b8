#pragma once

#include <span>

#include "app/control_texts.h"

namespace rainbow {

// What each control of the ray-crossing window does, in English.
std::span<const ControlText> cut_rays_texts();

}  // namespace rainbow
