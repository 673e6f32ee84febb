#include <gtest/gtest.h>

#include <set>

#include "core/products/routing/RouteDialogRules.h"
#include "core/products/routing/RouteKeyboard.h"

namespace corlinth {
namespace {

TEST(RouteDialog, ChoosingATypeResetsEveryOtherField) {
    struct Case {
        int type;
        int rangeHigh;
    };
    for (const Case& c :
         std::initializer_list<Case>{{0, 127}, {1, 127}, {3, 127}, {7, 5}, {8, 7}, {9, 127}}) {
        const RouteSetting s = routeSettingForType(c.type);
        EXPECT_EQ(s, (RouteSetting{c.type, 0, 0, 3, 0, c.rangeHigh})) << c.type;
    }
}

TEST(RouteDialog, ControlsShownByType) {
    using R = RouteRangeControls;
    struct Case {
        int type;
        int output;
        RouteDialogView view;
    };
    for (const Case& c : std::initializer_list<Case>{
             {0, 3, {}},
             {1, 3, {true, R::ValueLists, "Input Note Range:", true, false, true, true}},
             {2, 0, {true, R::ValueLists, "Input Note Range:", true, false, true, false}},
             {3, 1, {true, R::ControllerLists, "Control Change Range:", false, false, true, true}},
             {4, 2, {true, R::ValueLists, "Input Program Change Range:", false, false, true, true}},
             {5, 3, {true, R::ValueLists, "Input Pressure Range:", false, false, true, true}},
             {6,
              3,
              {true, R::ValueLists, "Input Pitch Bend Range (msb):", false, false, true, true}},
             {7, 3, {true, R::ChannelKinds, "Channel messages:", false, false, true, true}},
             {8, 3, {false, R::SystemKinds, "System messages:", false, false, true, false}},
             {9, 3, {true, R::ValueLists, "Input Note Range:", true, true, true, true}},
         }) {
        RouteSetting s = routeSettingForType(c.type);
        s.outputSelect = c.output;
        EXPECT_EQ(routeDialogView(s), c.view) << c.type;
    }
}

TEST(RouteDialog, ChannelRules) {
    RouteSetting notes = routeSettingForType(1);
    EXPECT_EQ(outputChannelItems(notes).size(), 16u);
    EXPECT_EQ(inputChannelItems().back(), "All");

    notes = chooseInputChannel(notes, 5);
    EXPECT_EQ(notes.outputChannel, 5);

    const OutputChannelChoice refused = chooseOutputChannel(notes, 127);
    EXPECT_EQ(refused.refusal, "Cannot assign a single input channel to \"All\" output channels");
    EXPECT_EQ(refused.setting, notes);

    notes = chooseInputChannel(notes, 127);
    EXPECT_EQ(notes.outputChannel, 127);
    ASSERT_EQ(outputChannelItems(notes).size(), 17u);
    EXPECT_EQ(outputChannelItems(notes).back(), "All (same as input channel)");
    const OutputChannelChoice accepted = chooseOutputChannel(notes, 127);
    EXPECT_TRUE(accepted.refusal.empty());
    EXPECT_EQ(chooseOutputChannel(notes, 3).setting.outputChannel, 3);

    // A keyboard split sends on one channel: input "All" gives output channel 1 and no
    // "All (same as input channel)" entry.
    const RouteSetting split = chooseInputChannel(routeSettingForType(9), 127);
    EXPECT_EQ(split.outputChannel, 0);
    EXPECT_EQ(outputChannelItems(split).size(), 16u);
    EXPECT_TRUE(keepsDialogRules(split));

    EXPECT_EQ(channelFromListIndex(16), 127);
    EXPECT_EQ(channelFromListIndex(4), 4);
    EXPECT_EQ(listIndexOfChannel(127), 16);
}

TEST(RouteDialog, RangeLists) {
    RouteSetting s = routeSettingForType(1);
    s = chooseValueTo(s, 50);
    EXPECT_EQ(chooseValueFrom(s, 70).rangeLow, 50);  // "from" above "to" goes back to "to"
    s = chooseValueFrom(s, 20);
    EXPECT_EQ(chooseValueTo(s, 10).rangeHigh, 20);  // "to" below "from" goes back to "from"
    EXPECT_EQ(chooseValueTo(s, 30).rangeHigh, 30);

    RouteSetting cc = chooseControllerTo(routeSettingForType(3), 10);
    cc = chooseControllerFrom(cc, 64);  // pushes "To:" up with it
    EXPECT_EQ(cc.rangeLow, 64);
    EXPECT_EQ(cc.rangeHigh, 64);
    cc = chooseControllerTo(cc, 7);  // pushes "From:" down with it
    EXPECT_EQ(cc.rangeLow, 7);
    EXPECT_EQ(cc.rangeHigh, 7);
}

TEST(RouteDialog, KindListsStayOneBlock) {
    const KindBlock block{2, 3};
    EXPECT_EQ(clickKind(block, 5, KindClick::Plain), (KindBlock{5, 5}));
    EXPECT_EQ(clickKind(block, 0, KindClick::Ctrl), (KindBlock{0, 0}));
    EXPECT_EQ(clickKind(block, 5, KindClick::Shift), (KindBlock{2, 5}));
    EXPECT_EQ(clickKind(block, 0, KindClick::Shift), (KindBlock{0, 3}));
    EXPECT_EQ(clickKind(block, 2, KindClick::Shift), (KindBlock{2, 2}));

    EXPECT_EQ(settleKindSelection({false, true, true, true, false, false}, 1), (KindBlock{1, 3}));
    EXPECT_EQ(settleKindSelection({true, false, true, false, false, false}, 2), (KindBlock{2, 2}));
    EXPECT_EQ(settleKindSelection({false, false, false, false, false, false}, 4),
              (KindBlock{4, 4}));
    EXPECT_EQ(settleKindSelection(std::vector<bool>(8, true), 0), (KindBlock{0, 7}));

    const RouteSetting s = applyKindBlock(routeSettingForType(7), {1, 4});
    EXPECT_EQ(s.rangeLow, 1);
    EXPECT_EQ(s.rangeHigh, 4);
}

TEST(RouteKeyboardGeometry, KeysCoverAllNotesOnce) {
    const std::vector<KeyboardKey>& keys = keyboardKeys();
    ASSERT_EQ(keys.size(), 128u);
    std::set<int> notes;
    int whites = 0;
    for (const KeyboardKey& k : keys) {
        notes.insert(k.note);
        whites += k.black ? 0 : 1;
        EXPECT_EQ(k.height, k.black ? 25 : 40);
        EXPECT_EQ(&keyboardKey(k.note), &k);
    }
    EXPECT_EQ(notes.size(), 128u);
    EXPECT_EQ(whites, 75);
    EXPECT_EQ(keyboardKey(127).x + keyboardKey(127).width, routekeyboard::width);
    EXPECT_EQ(routekeyboard::width, 525);
    const KeyboardKey& middleC = keyboardKey(60);
    EXPECT_EQ(middleC.x, 245);
    EXPECT_FALSE(middleC.black);
    EXPECT_TRUE(keyboardKey(61).black);
    EXPECT_EQ(keyboardKey(61).x, 250);
}

TEST(RouteKeyboardGeometry, NoteUnderThePointer) {
    struct Case {
        int x;
        int y;
        int note;
    };
    for (const Case& c : std::initializer_list<Case>{
             // The upper band of octave 5 (x 245..293), cut at 5, 10, 12, 17, ... pixels.
             {245, 0, 60},
             {249, 10, 60},
             {250, 10, 61},
             {254, 24, 61},
             {255, 0, 62},
             {257, 0, 63},
             {261, 0, 63},
             {262, 0, 64},
             {266, 0, 65},
             {271, 0, 66},
             {276, 0, 67},
             {278, 0, 68},
             {283, 0, 69},
             {285, 0, 70},
             {290, 0, 71},
             {293, 0, 71},
             {294, 0, 72},
             // The lower band has white keys only.
             {250, 25, 60},
             {252, 39, 62},
             {256, 30, 62},
             {0, 30, 0},
             {6, 30, 0},
             {7, 30, 2},
             {524, 30, 127},
             {518, 30, 127},
             {517, 30, 125},
             // Past the last key, and left of the first.
             {525, 30, 127},
             {600, 0, 127},
             {518, 0, 126},
             {521, 0, 127},
             {523, 0, 127},
             {510, 0, 124},
             {-3, 0, 0},
         }) {
        EXPECT_EQ(keyboardNoteAt(c.x, c.y), c.note) << c.x << "," << c.y;
    }
    EXPECT_EQ(keyboardDragRange(64, 60), (KeyboardRange{60, 64}));
    EXPECT_EQ(keyboardDragRange(60, 72), (KeyboardRange{60, 72}));
}

}  // namespace
}  // namespace corlinth
