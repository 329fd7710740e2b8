#include "rainbow/composite.h"

// Placeholder body until the composite rainbow lands.
namespace rainbow {
void draw_composite_rainbow(Program&) {}
}  // namespace rainbow
