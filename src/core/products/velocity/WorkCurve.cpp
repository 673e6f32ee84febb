#include "core/products/velocity/WorkCurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "core/products/velocity/PresetCurves.h"
#include "core/products/velocity/VelocityTexts.h"

namespace corlinth {
namespace {

constexpr int kLast = UserCurve::inputCount;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 50;
constexpr int kSmoothRepeatMs = 1;

constexpr CurveButton kButtons[] = {
    {CurveOperation::Increase, texts::velocity::increase, kFirstRepeatMs, kRepeatMs},
    {CurveOperation::Decrease, texts::velocity::decrease, kFirstRepeatMs, kRepeatMs},
    {CurveOperation::ScaleUp, texts::velocity::scaleUp, kFirstRepeatMs, kRepeatMs},
    {CurveOperation::ScaleDown, texts::velocity::scaleDown, kFirstRepeatMs, kRepeatMs},
    {CurveOperation::BendUp, texts::velocity::bendUp, kFirstRepeatMs, kRepeatMs},
    {CurveOperation::BendDown, texts::velocity::bendDown, kFirstRepeatMs, kRepeatMs},
    {CurveOperation::TwistClockwise, texts::velocity::twistClockwise, kFirstRepeatMs, kRepeatMs},
    {CurveOperation::TwistCounterclockwise, texts::velocity::twistCounterclockwise, kFirstRepeatMs,
     kRepeatMs},
    {CurveOperation::Smooth, texts::velocity::smooth, kFirstRepeatMs, kSmoothRepeatMs},
    {CurveOperation::Reset, texts::velocity::reset, 0, 0},
};

void checkInput(int input) {
    if (input < 0 || input > kLast) {
        throw std::out_of_range("velocity outside 0..127");
    }
}

// Nearest whole number, halves to the even one, whatever the floating-point rounding mode.
double roundHalfEven(double x) {
    const double down = std::floor(x);
    const double fraction = x - down;
    if (fraction > 0.5) {
        return down + 1;
    }
    if (fraction < 0.5) {
        return down;
    }
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1;
}

}  // namespace

std::span<const CurveButton> curveButtons() {
    return kButtons;
}

WorkCurve::WorkCurve(const UserCurve& curve) {
    for (int v = 1; v <= kLast; ++v) {
        m_values[static_cast<std::size_t>(v)] = curve[v] * ceiling / 127.0;
        if (curve[v] == 0) {
            m_limitToOne = false;
        }
    }
}

double WorkCurve::operator[](int input) const {
    checkInput(input);
    return m_values[static_cast<std::size_t>(input)];
}

int WorkCurve::wholeValue(int input) const {
    return static_cast<int>((*this)[input]);
}

void WorkCurve::setLimitToOne(bool on) {
    m_limitToOne = on;
    applyLimits();
}

void WorkCurve::applyLimits() {
    const double floor = m_limitToOne ? 1.0 : 0.0;
    for (int v = 1; v <= kLast; ++v) {
        double& value = m_values[static_cast<std::size_t>(v)];
        if (value >= 128.0) {
            value = ceiling;
        }
        if (value < floor) {
            value = floor;
        }
    }
}

void WorkCurve::apply(CurveOperation operation) {
    auto each = [this](auto&& change) {
        for (int v = 1; v <= kLast; ++v) {
            double& value = m_values[static_cast<std::size_t>(v)];
            value = change(value, v);
        }
    };
    switch (operation) {
        case CurveOperation::Increase:
            each([](double w, int) { return w + 1; });
            break;
        case CurveOperation::Decrease:
            each([](double w, int) { return w - 1; });
            break;
        case CurveOperation::ScaleUp:
            each([](double w, int) { return w * 1.02; });
            break;
        case CurveOperation::ScaleDown:
            each([](double w, int) { return w * 0.98; });
            break;
        case CurveOperation::BendUp:
            each([](double w, int) { return w + std::sin(std::numbers::pi * w / 128); });
            break;
        case CurveOperation::BendDown:
            each([](double w, int) { return w - std::sin(std::numbers::pi * w / 128); });
            break;
        case CurveOperation::TwistClockwise:
            each([](double w, int v) { return w - v / 64.0 + 1; });
            break;
        case CurveOperation::TwistCounterclockwise:
            each([](double w, int v) { return w + v / 64.0 - 1; });
            break;
        case CurveOperation::Smooth: {
            // Every new value from the values before the step. Point 0 is no point, so the
            // first point's average takes a zero in its place and sinks toward the origin;
            // the last point has no right neighbour and stays.
            const auto w = m_values;
            m_values[1] = (w[1] + w[2]) / 3;
            for (std::size_t v = 2; v < kLast; ++v) {
                m_values[v] = (w[v - 1] + w[v] + w[v + 1]) / 3;
            }
            break;
        }
        case CurveOperation::Reset:
            each([](double, int v) { return v * ceiling / 127.0; });
            break;
    }
    applyLimits();
}

void WorkCurve::setPoint(int input, int value) {
    checkInput(input);
    if (input == 0) {
        return;
    }
    m_values[static_cast<std::size_t>(input)] = value;
    applyLimits();
}

void WorkCurve::drawLine(int from, int to, int value) {
    checkInput(from);
    checkInput(to);
    if (to == 0) {
        return;
    }
    const double start = m_values[static_cast<std::size_t>(from)];
    const int step = to > from ? 1 : -1;
    for (int k = from + step; from != to && k != to; k += step) {
        const double share = static_cast<double>(k - from) / (to - from);
        m_values[static_cast<std::size_t>(k)] = start + roundHalfEven((value - start) * share);
    }
    m_values[static_cast<std::size_t>(to)] = value;
    applyLimits();
}

void WorkCurve::importPreset(int number) {
    const PresetCurve& preset = presetCurve(number);
    int runStart = 1;
    for (int v = 1; v <= kLast + 1; ++v) {
        if (v <= kLast &&
            preset[static_cast<std::size_t>(v)] == preset[static_cast<std::size_t>(runStart)]) {
            continue;
        }
        const int length = v - runStart;
        for (int i = 0; i < length; ++i) {
            m_values[static_cast<std::size_t>(runStart + i)] =
                preset[static_cast<std::size_t>(runStart)] + static_cast<double>(i) / length;
        }
        runStart = v;
    }
    applyLimits();
}

UserCurve WorkCurve::toUserCurve() const {
    UserCurve curve;
    for (int v = 1; v <= kLast; ++v) {
        const double value = std::clamp(m_values[static_cast<std::size_t>(v)], 0.0, 127.0);
        curve.set(v, static_cast<int>(value));
    }
    return curve;
}

}  // namespace corlinth
