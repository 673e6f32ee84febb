#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/products/velocity/UserCurve.h"
#include "core/products/velocity/WorkCurve.h"

namespace corlinth {

// The curve graphs: 256 by 256 pixels, 2 pixels a step, coordinates from the area's top-left
// corner. Point v sits at x = 2v + 1; a value y at 2y above the bottom pixel row.
namespace curvegraph {
inline constexpr int size = 256;
inline constexpr int gridSpacing = 20;
inline constexpr int pointX(int input) {
    return 2 * input + 1;
}
inline constexpr double valueY(double value) {
    return size - 1 - 2 * value;
}
// The point and the value under a pixel, as drawing reads them: the point may be 0 (no point)
// and is at most 127; the value is limited to 0..127.
int pointAt(int x);
int valueAt(int y);
}  // namespace curvegraph

// Drawing on the graph with the left button held: each move to a new point or value sets
// that point and fills the points passed over since the previous one.
class CurveDrawing {
  public:
    bool active() const { return m_active; }
    void press(int x, int y);
    void move(WorkCurve& curve, int x, int y);
    void release() { m_active = false; }

  private:
    bool m_active = false;
    int m_previousPoint = 0;
    int m_previousValue = 0;
};

// The curve dialog's list: "none", "user", "1".."40" to assign a curve to a channel;
// "1".."40" to import a preset.
enum class CurveListMode { Assign, Import };
std::vector<std::string> curveListItems(CurveListMode mode);
int curveAtListIndex(CurveListMode mode, int index);
int listIndexOfCurve(CurveListMode mode, int curve);

// What the dialog's graph shows for a curve number: nothing for "none", the document's user
// curve, or the preset's values; index 0 is input 0.
std::optional<std::array<int, 128>> curveGraphValues(int curve, const UserCurve& userCurve);

}  // namespace corlinth
