#include <gtest/gtest.h>

#include <cmath>

#include "core/products/velocity/CurveDrawing.h"
#include "core/products/velocity/PresetCurves.h"
#include "core/products/velocity/WorkCurve.h"

namespace corlinth {
namespace {

// Every value 1..127 once, in no order.
UserCurve scrambled() {
    UserCurve curve;
    for (int v = 1; v <= 127; ++v) {
        curve.set(v, (v * 37) % 128);
    }
    return curve;
}

UserCurve flat(int value) {
    UserCurve curve;
    for (int v = 1; v <= 127; ++v) {
        curve.set(v, value);
    }
    return curve;
}

WorkCurve flatWork(int value) {
    WorkCurve work{UserCurve{}};
    for (int v = 1; v <= 127; ++v) {
        work.setPoint(v, value);
    }
    return work;
}

TEST(WorkCurve, OpeningAndConfirmingKeepsTheCurve) {
    for (const UserCurve& curve : {UserCurve{}, scrambled(), flat(0), flat(127)}) {
        const WorkCurve work(curve);
        EXPECT_EQ(work.toUserCurve(), curve);
        EXPECT_EQ(work[0], 0.0);
    }
    EXPECT_TRUE(WorkCurve(scrambled()).limitToOne());

    // A point at 0 leaves the limit unchecked, and the point at 0.
    UserCurve withZero = scrambled();
    withZero.set(50, 0);
    WorkCurve work(withZero);
    EXPECT_FALSE(work.limitToOne());
    EXPECT_EQ(work.wholeValue(50), 0);
    work.setLimitToOne(true);
    EXPECT_EQ(work[50], 1.0);
    work.setLimitToOne(false);
    EXPECT_EQ(work[50], 1.0);  // unchecking changes nothing
}

TEST(WorkCurve, ScalingHeldReachesTheLimits) {
    WorkCurve up{UserCurve{}};
    std::array<bool, 128> reached{};
    for (int press = 0; press < 400; ++press) {
        up.apply(CurveOperation::ScaleUp);
        for (int v = 1; v <= 127; ++v) {
            ASSERT_LT(up[v], 128.0);
            if (reached[static_cast<std::size_t>(v)]) {
                ASSERT_EQ(up.wholeValue(v), 127) << v << " fell back after " << press;
            }
            reached[static_cast<std::size_t>(v)] = up.wholeValue(v) == 127;
        }
    }
    EXPECT_EQ(up.toUserCurve(), flat(127));
    EXPECT_EQ(up[1], WorkCurve::ceiling);

    WorkCurve limited{UserCurve{}};
    WorkCurve free{UserCurve{}};
    free.setLimitToOne(false);
    for (int press = 0; press < 400; ++press) {
        limited.apply(CurveOperation::ScaleDown);
        free.apply(CurveOperation::ScaleDown);
    }
    EXPECT_EQ(limited.toUserCurve(), flat(1));
    EXPECT_EQ(free.toUserCurve(), flat(0));
    EXPECT_GT(free[127], 0.0);  // approaching 0, not set to it
}

TEST(WorkCurve, PointOperations) {
    struct Case {
        CurveOperation operation;
        int input;
        int start;
        double result;
    };
    for (const Case& c : std::initializer_list<Case>{
             {CurveOperation::Increase, 10, 40, 41.0},
             {CurveOperation::Increase, 10, 127, WorkCurve::ceiling},
             {CurveOperation::Decrease, 10, 40, 39.0},
             {CurveOperation::Decrease, 10, 1, 1.0},  // the limit is checked
             {CurveOperation::ScaleUp, 10, 50, 51.0},
             {CurveOperation::ScaleDown, 10, 50, 49.0},
             {CurveOperation::BendUp, 10, 64, 65.0},
             {CurveOperation::BendDown, 10, 64, 63.0},
             {CurveOperation::BendUp, 10, 32, 32.0 + std::sqrt(0.5)},
             {CurveOperation::TwistClockwise, 1, 40, 40.0 - 1.0 / 64 + 1},
             {CurveOperation::TwistClockwise, 64, 40, 40.0},
             {CurveOperation::TwistClockwise, 127, 40, 40.0 - 127.0 / 64 + 1},
             {CurveOperation::TwistCounterclockwise, 127, 40, 40.0 + 127.0 / 64 - 1},
             {CurveOperation::TwistCounterclockwise, 1, 1, 1.0},
             {CurveOperation::Reset, 100, 3, 100 * 127.999 / 127},
         }) {
        WorkCurve work = flatWork(c.start);
        work.apply(c.operation);
        EXPECT_DOUBLE_EQ(work[c.input], c.result)
            << static_cast<int>(c.operation) << " at " << c.input;
    }
}

TEST(WorkCurve, SmoothLowersTheFirstPointOnly) {
    WorkCurve work = flatWork(64);
    work.apply(CurveOperation::Smooth);
    EXPECT_NEAR(work[1], 42.67, 0.005);
    EXPECT_EQ(work.wholeValue(1), 42);
    for (int v = 2; v <= 127; ++v) {
        EXPECT_DOUBLE_EQ(work[v], 64.0) << v;
    }

    // Each new value comes from the values before the step.
    WorkCurve peak = flatWork(0);
    peak.setPoint(10, 90);
    peak.setPoint(127, 30);
    peak.apply(CurveOperation::Smooth);
    EXPECT_DOUBLE_EQ(peak[9], 30.0 + 2.0 / 3);  // (1 + 90 + 1) / 3 with the limit at 1
    EXPECT_DOUBLE_EQ(peak[10], 92.0 / 3);
    EXPECT_DOUBLE_EQ(peak[11], 92.0 / 3);
    EXPECT_DOUBLE_EQ(peak[126], 32.0 / 3);
    EXPECT_DOUBLE_EQ(peak[127], 30.0);
}

TEST(WorkCurve, SettingOnePoint) {
    WorkCurve work{UserCurve{}};
    work.setPoint(20, 100);
    EXPECT_EQ(work[20], 100.0);
    work.setPoint(20, 0);
    EXPECT_EQ(work[20], 1.0);  // the limit is checked
    work.setPoint(0, 100);
    EXPECT_EQ(work[0], 0.0);  // input 0 is no point
    EXPECT_EQ(work.wholeValue(0), 0);
}

TEST(WorkCurve, ImportingAPresetRampsItsRuns) {
    WorkCurve first{UserCurve{}};
    first.importPreset(1);
    for (int v = 1; v <= 127; ++v) {
        EXPECT_DOUBLE_EQ(first[v], 1.0 + (v - 1) / 127.0) << v;
    }
    EXPECT_EQ(first.toUserCurve(), flat(1));

    for (int n = 1; n <= 40; ++n) {
        WorkCurve work{UserCurve{}};
        work.importPreset(n);
        const PresetCurve& preset = presetCurve(n);
        for (int v = 1; v <= 127; ++v) {
            ASSERT_EQ(work.wholeValue(v), preset[static_cast<std::size_t>(v)]) << n << " " << v;
            if (v > 1 &&
                preset[static_cast<std::size_t>(v)] == preset[static_cast<std::size_t>(v - 1)]) {
                ASSERT_GT(work[v], work[v - 1]) << n << " " << v;
            }
        }
    }

    // Curve 26 holds 127 from input 120: eight points, 127 to 127 + 7/8.
    WorkCurve top{UserCurve{}};
    top.importPreset(26);
    EXPECT_DOUBLE_EQ(top[120], 127.0);
    EXPECT_DOUBLE_EQ(top[127], 127.0 + 7.0 / 8);
}

TEST(WorkCurve, DrawnLinesRoundHalvesToEven) {
    WorkCurve work{UserCurve{}};
    work.setLimitToOne(false);
    work.setPoint(10, 10);
    work.drawLine(10, 14, 20);  // steps of 2.5: 12.5, 15, 17.5 from 10
    EXPECT_EQ(work[11], 12.0);
    EXPECT_EQ(work[12], 15.0);
    EXPECT_EQ(work[13], 18.0);
    EXPECT_EQ(work[14], 20.0);

    work.setPoint(20, 10);
    work.drawLine(20, 16, 0);  // leftwards, down to 0
    EXPECT_EQ(work[19], 8.0);
    EXPECT_EQ(work[18], 5.0);
    EXPECT_EQ(work[17], 2.0);
    EXPECT_EQ(work[16], 0.0);
    EXPECT_EQ(work[21], 21 * WorkCurve::ceiling / 127);  // outside the line

    work.drawLine(0, 3, 90);  // from input 0, whose value is 0
    EXPECT_EQ(work[1], 30.0);
    EXPECT_EQ(work[2], 60.0);
    EXPECT_EQ(work[3], 90.0);
    work.drawLine(5, 5, 70);
    EXPECT_EQ(work[5], 70.0);
}

TEST(CurveDrawingTest, MovesSetAndFillPoints) {
    WorkCurve work{UserCurve{}};
    CurveDrawing pen;
    pen.move(work, 21, 100);  // not pressed: nothing
    EXPECT_EQ(work.toUserCurve(), UserCurve{});

    pen.press(21, 100);                          // point 10, value 77
    EXPECT_EQ(work.toUserCurve(), UserCurve{});  // the press alone draws nothing
    pen.move(work, 21, 100);
    EXPECT_EQ(work[10], 77.0);
    pen.move(work, 29, 140);  // point 14, value 57: 72, 67, 62 in between
    EXPECT_EQ(work[11], 72.0);
    EXPECT_EQ(work[12], 67.0);
    EXPECT_EQ(work[13], 62.0);
    EXPECT_EQ(work[14], 57.0);
    pen.move(work, 1, 0);  // point 0 is no point
    EXPECT_EQ(work[1], 1 * WorkCurve::ceiling / 127);
    pen.move(work, 9, 0);  // point 4, value 127, back over 13..5 from point 14
    const int filled[] = {120, 113, 106, 99, 92, 85, 78, 71, 64};  // points 5..13
    for (int v = 5; v <= 13; ++v) {
        EXPECT_EQ(work[v], filled[v - 5]) << v;
    }
    EXPECT_EQ(work[4], 127.0);
    pen.move(work, 700, 600);   // past the right and bottom edges: point 127, value 0
    EXPECT_EQ(work[127], 1.0);  // limited to 1
    EXPECT_EQ(work[66], 63.0);  // 127 - 127 * 62 / 123 rounded, on the way to point 127
    pen.release();
    const UserCurve released = work.toUserCurve();
    pen.move(work, 21, 0);
    EXPECT_EQ(work.toUserCurve(), released);
}

TEST(CurveDrawingTest, GraphAndLists) {
    EXPECT_EQ(curvegraph::pointAt(0), 0);
    EXPECT_EQ(curvegraph::pointAt(3), 1);
    EXPECT_EQ(curvegraph::pointAt(255), 127);
    EXPECT_EQ(curvegraph::pointAt(-40), 0);
    EXPECT_EQ(curvegraph::valueAt(0), 127);
    EXPECT_EQ(curvegraph::valueAt(255), 0);
    EXPECT_EQ(curvegraph::valueAt(-9), 127);

    const std::vector<std::string> assign = curveListItems(CurveListMode::Assign);
    ASSERT_EQ(assign.size(), 42u);
    EXPECT_EQ(assign[0], "none");
    EXPECT_EQ(assign[1], "user");
    EXPECT_EQ(assign[41], "40");
    EXPECT_EQ(curveAtListIndex(CurveListMode::Assign, 0), -1);
    EXPECT_EQ(listIndexOfCurve(CurveListMode::Assign, 9), 10);
    const std::vector<std::string> import = curveListItems(CurveListMode::Import);
    ASSERT_EQ(import.size(), 40u);
    EXPECT_EQ(import[0], "1");
    EXPECT_EQ(curveAtListIndex(CurveListMode::Import, 0), 1);

    EXPECT_FALSE(curveGraphValues(-1, UserCurve{}));
    EXPECT_EQ((*curveGraphValues(0, scrambled()))[5], scrambled()[5]);
    EXPECT_EQ(*curveGraphValues(33, UserCurve{}), presetCurve(33));
}

}  // namespace
}  // namespace corlinth
