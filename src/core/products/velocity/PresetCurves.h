#pragma once

#include <array>

#include "core/products/velocity/UserCurve.h"

namespace corlinth {

// A preset's whole output value for each input 0..127 (input 0 always 0).
using PresetCurve = std::array<int, 128>;

// The unit's preset curves 1..40, as the editor draws and imports them. In each group of
// five the first is the most convex and the last the most concave; 1..5 are flat, and the
// middle curve of each rising group is a straight line.
const PresetCurve& presetCurve(int number);

}  // namespace corlinth
