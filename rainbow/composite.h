#pragma once

namespace rainbow {

class Program;

// A column of 25 small drops, each sending its red, green and blue rainbow rays.
void draw_composite_rainbow(Program& program);

}  // namespace rainbow
