#include <gtest/gtest.h>

#include "core/products/routing/RouteSetting.h"

namespace corlinth {
namespace {

RouteSetting setting(int type, int input, int low, int high, int output, int select) {
    return RouteSetting{type, input, output, select, low, high};
}

struct DescribedSetting {
    RouteSetting setting;
    const char* message;  // the whole message, empty for a setting that sends nothing
    const char* description;
};

TEST(RouteSetting, MessagesAndDescriptions) {
    for (const DescribedSetting& c : std::initializer_list<DescribedSetting>{
             {setting(3, 127, 123, 123, 127, 0), "F0 00 00 50 01 02 02 7F 7B 7B 7F 00 F7",
              "Control Change Range 123 - 123 on All Channels: Routed to Neither Output"},
             {setting(7, 15, 0, 5, 15, 2), "F0 00 00 50 01 02 06 0F 00 05 0F 02 F7",
              "All Channel Messages on Channel 16: Routed to Out2"},
             {setting(9, 0, 97, 127, 9, 3), "F0 00 00 50 01 02 08 00 61 7F 09 03 F7",
              "Keyboard Range 97 - 127 on Channel 1: Routed to Both Outputs on Channel 10"},
             {setting(7, 2, 0, 1, 2, 1), "F0 00 00 50 01 02 06 02 00 01 02 01 F7",
              "Note and Poly Pressure Messages on Channel 3: Routed to Out1"},
             {setting(7, 127, 0, 3, 127, 3), "F0 00 00 50 01 02 06 7F 00 03 7F 03 F7",
              "Note, Poly, Con, and Prog Messages on All Channels: Routed to Both Outputs"},
             {setting(8, 0, 0, 2, 0, 1), "F0 00 00 50 01 02 07 00 00 02 00 01 F7",
              "Sysex, SPP, and SS Messages: Routed to Out1"},
             {setting(7, 0, 2, 2, 0, 3), "F0 00 00 50 01 02 06 00 02 02 00 03 F7",
              "Control Change Messages on Channel 1: Routed to Both Outputs"},
             // Four kinds take the short names too; five take the long ones again.
             {setting(7, 0, 1, 5, 0, 3), "F0 00 00 50 01 02 06 00 01 05 00 03 F7",
              "Poly, Con, Prog, Press, and Pitch Messages on Channel 1: Routed to Both Outputs"},
             {setting(7, 0, 3, 5, 4, 3), "F0 00 00 50 01 02 06 00 03 05 04 03 F7",
              "Program, Chan. Pressure, and Pitch Bend Messages on Channel 1: Routed to Both "
              "Outputs on Channel 5"},
             {setting(8, 0, 0, 7, 0, 2), "F0 00 00 50 01 02 07 00 00 07 00 02 F7",
              "All System Messages: Routed to Out2"},
             {setting(8, 4, 6, 7, 9, 3), "F0 00 00 50 01 02 07 04 06 07 09 03 F7",
              "Continue and Stop Messages: Routed to Both Outputs"},
             {setting(6, 4, 0, 63, 5, 1), "F0 00 00 50 01 02 05 04 00 3F 05 01 F7",
              "Pitch Bend msb Range 0 - 63 on Channel 5: Routed to Out1 on Channel 6"},
             {setting(1, 4, 60, 72, 4, 2), "F0 00 00 50 01 02 00 04 3C 48 04 02 F7",
              "Note Range 60 - 72 on Channel 5: Routed to Out2"},
             {setting(2, 0, 0, 127, 3, 0), "F0 00 00 50 01 02 01 00 00 7F 03 00 F7",
              "Polyphonic Pressure Range 0 - 127 on Channel 1: Routed to Neither Output"},
             {setting(4, 127, 5, 9, 127, 1), "F0 00 00 50 01 02 03 7F 05 09 7F 01 F7",
              "Program Change Range 5 - 9 on All Channels: Routed to Out1"},
             {setting(5, 127, 0, 10, 3, 3), "F0 00 00 50 01 02 04 7F 00 0A 03 03 F7",
              "Channel Pressure Range 0 - 10 on All Channels: Routed to Both Outputs on "
              "Channel 4"},
             {setting(0, 3, 1, 2, 4, 1), "", "- Empty -"},
         }) {
        const std::optional<Bytes> message = routeSettingMessage(c.setting);
        EXPECT_EQ(message ? hexLine(*message) : "", c.message) << c.description;
        EXPECT_EQ(routeDescription(c.setting), c.description);
    }
}

TEST(RouteSetting, HeaderCarriesTheIgnorePriorityFlag) {
    EXPECT_EQ(hexLine(routeHeaderMessage(false)), "F0 00 00 50 01 00 F7");
    EXPECT_EQ(hexLine(routeHeaderMessage(true)), "F0 00 00 50 01 00 01 F7");
}

TEST(RouteSetting, ValidityAndDialogRules) {
    struct Case {
        RouteSetting setting;
        bool valid;
        bool dialogRules;
    };
    for (const Case& c : std::initializer_list<Case>{
             {setting(1, 0, 0, 127, 0, 3), true, true},
             {setting(1, 127, 0, 127, 127, 3), true, true},
             {setting(1, 3, 0, 127, 127, 3), true, false},  // "All" out of a single channel
             {setting(9, 127, 0, 127, 127, 3), true, false},
             {setting(9, 127, 0, 127, 0, 3), true, true},
             {setting(7, 0, 0, 6, 0, 3), false, false},
             {setting(8, 0, 0, 8, 0, 3), false, false},
             {setting(8, 0, 0, 7, 0, 3), true, true},
             {setting(1, 0, 9, 8, 0, 3), false, false},
             {setting(1, 16, 0, 1, 0, 3), false, false},
             {setting(1, 0, 0, 1, 0, 4), false, false},
             {setting(10, 0, 0, 1, 0, 3), false, false},
             {setting(1, 0, 0, 128, 0, 3), false, false},
         }) {
        EXPECT_EQ(isValidRouteSetting(c.setting), c.valid) << routeDescription(c.setting);
        EXPECT_EQ(keepsDialogRules(c.setting), c.dialogRules) << routeDescription(c.setting);
    }
}

}  // namespace
}  // namespace corlinth
