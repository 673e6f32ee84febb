#include "core/products/velocity/CurveDrawing.h"

#include <algorithm>
#include <stdexcept>

#include "core/products/velocity/PresetCurves.h"
#include "core/products/velocity/VelocityTexts.h"

namespace corlinth {

namespace curvegraph {

int pointAt(int x) {
    // Past the right edge the pen stays on the last point; past the left edge it is on no
    // point at all, like the first column.
    return std::clamp((x - 1) / 2, 0, UserCurve::inputCount);
}

int valueAt(int y) {
    return std::clamp(127 - y / 2, 0, 127);
}

}  // namespace curvegraph

void CurveDrawing::press(int x, int y) {
    const int point = curvegraph::pointAt(x);
    m_active = true;
    m_previousPoint = std::max(point - 1, 0);
    m_previousValue = curvegraph::valueAt(y);
}

void CurveDrawing::move(WorkCurve& curve, int x, int y) {
    if (!m_active) {
        return;
    }
    const int point = curvegraph::pointAt(x);
    const int value = curvegraph::valueAt(y);
    if (point == 0 || (point == m_previousPoint && value == m_previousValue)) {
        return;
    }
    curve.drawLine(m_previousPoint, point, value);
    m_previousPoint = point;
    m_previousValue = value;
}

std::vector<std::string> curveListItems(CurveListMode mode) {
    std::vector<std::string> items;
    if (mode == CurveListMode::Assign) {
        items.emplace_back(texts::velocity::none);
        items.emplace_back(texts::velocity::userCurveItem);
    }
    for (int n = curvenumber::firstPreset; n <= curvenumber::lastPreset; ++n) {
        items.push_back(std::to_string(n));
    }
    return items;
}

int curveAtListIndex(CurveListMode mode, int index) {
    return mode == CurveListMode::Assign ? index - 1 : index + 1;
}

int listIndexOfCurve(CurveListMode mode, int curve) {
    return mode == CurveListMode::Assign ? curve + 1 : curve - 1;
}

std::optional<std::array<int, 128>> curveGraphValues(int curve, const UserCurve& userCurve) {
    if (curve == curvenumber::none) {
        return std::nullopt;
    }
    if (curve == curvenumber::user) {
        std::array<int, 128> values{};
        for (int v = 0; v <= UserCurve::inputCount; ++v) {
            values[static_cast<std::size_t>(v)] = userCurve[v];
        }
        return values;
    }
    return presetCurve(curve);
}

}  // namespace corlinth
