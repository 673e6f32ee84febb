#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/products/velocity/UserCurve.h"

namespace corlinth {

// The operations of the "User Curve" dialog's buttons.
enum class CurveOperation {
    Increase,
    Decrease,
    ScaleUp,
    ScaleDown,
    BendUp,
    BendDown,
    TwistClockwise,
    TwistCounterclockwise,
    Smooth,
    Reset,  // the dialog's input list goes back to input 1 as well
};

struct CurveButton {
    CurveOperation operation;
    std::string_view caption;
    // Held down, the button repeats: first after `firstRepeatMs`, then every `repeatMs`;
    // 0 for a button that does not repeat.
    int firstRepeatMs;
    int repeatMs;
};

// The dialog's operation buttons, in the order they are laid out.
std::span<const CurveButton> curveButtons();

// The dialog's working copy of the user curve: real values, so that repeated scaling or
// bending does not wear the curve down to steps. A value shows and stores as its truncation.
// Values are kept within 0 and 127.999 (and at 1 or more while "Limit minimum velocity to 1"
// is checked) after every operation.
class WorkCurve {
  public:
    static constexpr double ceiling = 127.999;

    // Opening the dialog: every point just above its stored value, so that it truncates back
    // to it; the limit is checked unless a point is 0.
    explicit WorkCurve(const UserCurve& curve);

    double operator[](int input) const;  // input 0 reads 0
    int wholeValue(int input) const;

    bool limitToOne() const { return m_limitToOne; }
    // Checking raises every point below 1 to 1; unchecking changes nothing.
    void setLimitToOne(bool on);

    void apply(CurveOperation operation);
    // The value list: the point becomes exactly `value`. Input 0 is no point and is ignored.
    void setPoint(int input, int value);
    // A drawn line: the points strictly between `from` and `to` (either direction) follow the
    // straight line from `from`'s value to `value`, rounded to whole steps (halves to even),
    // and `to` takes `value`. `from` may be 0, whose value is 0.
    void drawLine(int from, int to, int value);
    // A preset's whole values; every run of k equal neighbours v becomes v, v + 1/k, ...,
    // v + (k - 1)/k, which stores the same but lets later operations spread the run.
    void importPreset(int number);

    // OK: every point limited to 0..127 and truncated.
    UserCurve toUserCurve() const;

  private:
    void applyLimits();

    std::array<double, UserCurve::inputCount + 1> m_values{};
    bool m_limitToOne = true;
};

}  // namespace corlinth
