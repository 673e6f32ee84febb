#include <gtest/gtest.h>

#include "core/products/common/Durations.h"

namespace corlinth {
namespace {

TEST(Durations, CommentTextsOfShortAndLongDurations) {
    struct Case {
        Duration duration;
        const char* text;
    };
    for (const Case& c :
         {Case{{1, 0}, "0.008s"}, Case{{2, 0}, "0.016s"}, Case{{12, 0}, "0.096s"},
          Case{{13, 0}, "0.104s"}, Case{{25, 0}, "0.200s"}, Case{{124, 0}, "0.992s"},
          Case{{125, 0}, "1.0s"}, Case{{126, 0}, "1.008s"}, Case{{127, 0}, "1.016s"},
          Case{{0, 0}, "0s"}, Case{{0, 5}, "5s"}, Case{{0, 127}, "127s"}}) {
        EXPECT_EQ(durationText(c.duration), c.text) << c.duration.ticks;
    }
}

TEST(Durations, BytesAreTicksOrZeroThenSeconds) {
    EXPECT_EQ(durationBytes({1, 0}), (Bytes{0x01}));
    EXPECT_EQ(durationBytes({125, 0}), (Bytes{0x7D}));
    EXPECT_EQ(durationBytes({0, 0}), (Bytes{0x00, 0x00}));
    EXPECT_EQ(durationBytes({0, 127}), (Bytes{0x00, 0x7F}));
}

TEST(Durations, ListsOfTheFootswitchAndTheRelayUnits) {
    const DurationLists footswitch(0);
    const auto shortItems = footswitch.shortItems();
    ASSERT_EQ(shortItems.size(), 128u);
    EXPECT_EQ(shortItems[0], "0.008");
    EXPECT_EQ(shortItems[11], "0.096");
    EXPECT_EQ(shortItems[124], "1.000");
    EXPECT_EQ(shortItems[126], "1.016");
    EXPECT_EQ(shortItems[127], "longer durations...");

    const auto longItems = footswitch.longItems();
    ASSERT_EQ(longItems.size(), 129u);
    EXPECT_EQ(longItems[0], "shorter durations...");
    EXPECT_EQ(longItems[1], "0");
    EXPECT_EQ(longItems[128], "127");

    const DurationLists relay(1);
    const auto relayLong = relay.longItems();
    ASSERT_EQ(relayLong.size(), 128u);
    EXPECT_EQ(relayLong[1], "1");
    EXPECT_EQ(relay.oneSecondLongItem(), 1);
    EXPECT_EQ(footswitch.oneSecondLongItem(), 2);
}

TEST(Durations, SwitchingBetweenTheListsAndBack) {
    for (const int firstSecond : {0, 1}) {
        const DurationLists lists(firstSecond);
        int shortItem = DurationLists::kOneSecondShortItem;
        int longItem = 0;
        lists.shortItemChosen(DurationLists::kLongerItem, longItem);
        shortItem = DurationLists::kLongerItem;
        EXPECT_TRUE(DurationLists::longListShown(shortItem));
        EXPECT_EQ(lists.duration(shortItem, longItem), (Duration{0, 1})) << firstSecond;

        lists.longItemChosen(DurationLists::kShorterItem, shortItem);
        EXPECT_EQ(shortItem, DurationLists::kOneSecondShortItem);
        EXPECT_FALSE(DurationLists::longListShown(shortItem));
        EXPECT_EQ(lists.duration(shortItem, longItem), (Duration{125, 0}));
    }
}

TEST(Durations, SelectShowsAStoredDurationAndClampsBeyondTheLists) {
    const DurationLists lists(0);
    struct Case {
        Duration stored;
        int shortItem;
        int longItem;
    };
    for (const Case& c :
         {Case{{1, 0}, 0, 9}, Case{{127, 0}, 126, 9}, Case{{0x90, 0}, 126, 9}, Case{{0, 0}, 127, 1},
          Case{{0, 127}, 127, 128}, Case{{0, 0x85}, 127, 128}}) {
        int shortItem = 50;
        int longItem = 9;
        lists.select(c.stored, shortItem, longItem);
        EXPECT_EQ(shortItem, c.shortItem) << c.stored.ticks << " " << c.stored.seconds;
        EXPECT_EQ(longItem, c.longItem) << c.stored.ticks << " " << c.stored.seconds;
    }
}

}  // namespace
}  // namespace corlinth
