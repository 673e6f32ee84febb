#include <gtest/gtest.h>

#include <array>

#include "core/products/velocity/PresetCurves.h"

namespace corlinth {
namespace {

constexpr std::array<int, 17> kSampleInputs{1,  8,  16, 24, 32,  40,  48,  56, 64,
                                            72, 80, 88, 96, 104, 112, 120, 127};

struct Samples {
    int curve;
    std::array<int, 17> values;  // at kSampleInputs
};

TEST(PresetCurves, MeetEverySampledValue) {
    for (const Samples& s : std::initializer_list<Samples>{
             {6, {1, 18, 33, 45, 55, 63, 69, 75, 80, 84, 88, 92, 94, 97, 100, 102, 104}},
             {7, {1, 10, 21, 30, 39, 47, 54, 61, 67, 73, 78, 83, 88, 92, 96, 100, 104}},
             {8, {1, 6, 13, 19, 26, 32, 39, 45, 52, 59, 65, 72, 78, 85, 91, 98, 104}},
             {9, {1, 4, 8, 12, 16, 21, 26, 31, 37, 43, 50, 57, 65, 74, 83, 94, 104}},
             {10, {1, 2, 4, 7, 10, 12, 16, 20, 24, 29, 35, 41, 49, 59, 71, 86, 104}},
             {11, {1, 19, 35, 48, 59, 68, 75, 81, 86, 91, 95, 99, 102, 105, 107, 110, 112}},
             {12, {1, 11, 22, 33, 42, 50, 58, 65, 72, 78, 84, 90, 95, 99, 104, 108, 112}},
             {13, {1, 7, 14, 21, 28, 35, 42, 49, 56, 63, 70, 77, 84, 91, 98, 105, 112}},
             {14, {1, 4, 8, 13, 17, 22, 28, 34, 40, 47, 54, 62, 70, 79, 90, 101, 112}},
             {15, {1, 2, 5, 7, 10, 13, 17, 21, 26, 31, 37, 44, 53, 64, 77, 93, 112}},
             {16, {1, 20, 38, 52, 63, 72, 80, 87, 92, 97, 102, 106, 109, 112, 115, 117, 120}},
             {17, {1, 12, 24, 35, 45, 54, 62, 70, 77, 84, 90, 96, 101, 106, 111, 116, 120}},
             {18, {1, 7, 15, 22, 30, 37, 45, 52, 60, 68, 75, 83, 90, 98, 105, 113, 120}},
             {19, {1, 4, 9, 14, 19, 24, 30, 36, 43, 50, 58, 66, 75, 85, 96, 108, 120}},
             {20, {1, 3, 5, 8, 11, 14, 18, 23, 28, 33, 40, 48, 57, 68, 82, 100, 120}},
             {21, {1, 22, 40, 55, 67, 77, 85, 92, 98, 103, 108, 112, 115, 119, 122, 124, 127}},
             {22, {1, 13, 25, 37, 47, 57, 66, 74, 82, 89, 95, 102, 107, 113, 118, 123, 127}},
             {24, {1, 4, 9, 14, 20, 25, 32, 38, 45, 53, 61, 70, 80, 90, 102, 114, 127}},
             {25, {1, 3, 5, 8, 12, 15, 19, 24, 29, 35, 42, 50, 60, 72, 87, 105, 127}},
             {26, {1, 23, 42, 57, 69, 79, 87, 94, 100, 106, 110, 114, 118, 121, 124, 127, 127}},
             {27, {1, 13, 27, 39, 50, 60, 69, 77, 85, 92, 99, 105, 111, 117, 122, 127, 127}},
             {28, {1, 8, 16, 25, 33, 42, 50, 59, 67, 76, 84, 93, 101, 110, 118, 127, 127}},
             {29, {1, 5, 10, 15, 21, 27, 34, 41, 49, 57, 66, 76, 87, 99, 112, 127, 127}},
             {30, {1, 3, 6, 9, 12, 16, 21, 26, 32, 39, 47, 56, 68, 83, 102, 127, 127}},
             {31, {1, 24, 44, 60, 72, 82, 91, 98, 103, 109, 113, 117, 121, 124, 127, 127, 127}},
             {32, {1, 14, 28, 41, 53, 63, 73, 81, 89, 97, 104, 110, 116, 121, 127, 127, 127}},
             {33, {1, 8, 18, 27, 36, 45, 54, 63, 72, 81, 90, 99, 108, 117, 127, 127, 127}},
             {34, {1, 5, 10, 16, 23, 29, 37, 45, 53, 63, 73, 84, 97, 111, 127, 127, 127}},
             {35, {1, 3, 6, 9, 13, 18, 23, 29, 36, 44, 53, 65, 81, 100, 127, 127, 127}},
             {36, {1, 26, 47, 63, 75, 86, 94, 101, 107, 112, 116, 120, 123, 127, 127, 127, 127}},
             {37, {1, 15, 30, 44, 56, 67, 77, 86, 94, 101, 108, 115, 121, 127, 127, 127, 127}},
             {38, {1, 9, 19, 29, 38, 48, 58, 68, 78, 87, 97, 107, 117, 127, 127, 127, 127}},
             {39, {1, 5, 11, 18, 25, 32, 40, 49, 59, 70, 82, 95, 110, 127, 127, 127, 127}},
             {40, {1, 3, 7, 10, 15, 20, 25, 32, 40, 50, 62, 78, 98, 127, 127, 127, 127}},
         }) {
        const PresetCurve& curve = presetCurve(s.curve);
        for (std::size_t i = 0; i < kSampleInputs.size(); ++i) {
            EXPECT_EQ(curve[static_cast<std::size_t>(kSampleInputs[i])], s.values[i])
                << "curve " << s.curve << " at input " << kSampleInputs[i];
        }
    }
}

// Each group of five rises from 1 to its end value E, reached at input X and held above it.
struct Group {
    int first;
    int endValue;
    int reachedAt;
};
constexpr Group kGroups[] = {{6, 104, 127},  {11, 112, 127}, {16, 120, 127}, {21, 127, 127},
                             {26, 127, 120}, {31, 127, 112}, {36, 127, 104}};

TEST(PresetCurves, RiseMonotonicallyToTheirGroupsEnd) {
    for (const Group& g : kGroups) {
        for (int n = g.first; n < g.first + 5; ++n) {
            const PresetCurve& curve = presetCurve(n);
            EXPECT_EQ(curve[0], 0) << n;
            EXPECT_EQ(curve[1], 1) << n;
            for (int v = 2; v <= 127; ++v) {
                EXPECT_LE(curve[v - 1], curve[v]) << "curve " << n << " at " << v;
            }
            EXPECT_EQ(curve[static_cast<std::size_t>(g.reachedAt)], g.endValue) << n;
            if (g.reachedAt < 127) {
                EXPECT_LT(curve[static_cast<std::size_t>(g.reachedAt - 1)], g.endValue) << n;
            }
            EXPECT_EQ(curve[127], g.endValue) << n;
        }
    }
}

TEST(PresetCurves, StraightLinesFollowTheFormula) {
    for (const Group& g : kGroups) {
        const int n = g.first + 2;
        const PresetCurve& curve = presetCurve(n);
        for (int v = 1; v <= 127; ++v) {
            const int expected =
                v > g.reachedAt ? 127 : 1 + (g.endValue - 1) * (v - 1) / (g.reachedAt - 1);
            if (n == 28 && v == 85) {
                EXPECT_EQ(curve[85], 90);  // the one value off the line
                EXPECT_EQ(expected, 89);
                continue;
            }
            EXPECT_EQ(curve[static_cast<std::size_t>(v)], expected) << "curve " << n << " at " << v;
        }
    }
    for (int v = 0; v <= 127; ++v) {
        EXPECT_EQ(presetCurve(23)[static_cast<std::size_t>(v)], v);
    }
}

TEST(PresetCurves, FlatCurves) {
    constexpr int values[] = {1, 32, 64, 96, 127};
    for (int n = 1; n <= 5; ++n) {
        const PresetCurve& curve = presetCurve(n);
        EXPECT_EQ(curve[0], 0);
        for (int v = 1; v <= 127; ++v) {
            EXPECT_EQ(curve[static_cast<std::size_t>(v)], values[n - 1]) << n;
        }
    }
    EXPECT_THROW(presetCurve(0), std::out_of_range);
    EXPECT_THROW(presetCurve(41), std::out_of_range);
}

}  // namespace
}  // namespace corlinth
