#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RuleBuilders.h"
#include "core/products/rule/RuleComment.h"

namespace corlinth {
namespace {

using namespace rulebuild;

struct CommentCase {
    RuleSetting setting;
    std::string comment;
};

void expectComments(const std::vector<CommentCase>& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(ruleComment(cases[i].setting), cases[i].comment) << "case " << i;
    }
}

// The incoming event of a filter, in every combination of its value sources. In these rows
// value X is 60 (or 7, or 5), a range 10 - 20 or variable 1; value Y is 64, a range 1 - 100 or
// variable 2.
std::string filtered(const std::string& phrase) {
    return "{ Setting #1: Filter" + phrase + ". Continue to process settings }";
}

TEST(RuleComment, FilterDescribesEveryValueSourceOfEveryEventType) {
    expectComments({
        {filter(ev(NoteOff, 1, F(60), F(64))),
         filtered(" Note-Off #60 events of velocity 64 on MIDI channel 1")},
        {filter(ev(NoteOff, 1, F(60), AY())),
         filtered(" all Note-Off #60 events on MIDI channel 1")},
        {filter(ev(NoteOff, 1, F(60), RY(1, 100))),
         filtered(" Note-Off #60 events of velocities 1 - 100 on MIDI channel 1")},
        {filter(ev(NoteOff, 1, AX(), F(64))),
         filtered(" all Note-Off events of velocity 64 on MIDI channel 1")},
        {filter(ev(NoteOff, 1, RX(10, 20), F(64))),
         filtered(" Note-Off #10 - 20 events of velocity 64 on MIDI channel 1")},
        {filter(ev(NoteOff, 1, AX(), AY())), filtered(" all Note-Off events on MIDI channel 1")},
        {filter(ev(NoteOff, 1, RX(10, 20), AY())),
         filtered(" Note-Off #10 - 20 events on MIDI channel 1")},
        {filter(ev(NoteOff, 1, AX(), RY(1, 100))),
         filtered(" all Note-Off events of velocities 1 - 100 on MIDI channel 1")},
        {filter(ev(NoteOff, 1, RX(10, 20), RY(1, 100))),
         filtered(" Note-Off #10 - 20 events of velocities 1 - 100 on MIDI channel 1")},
        {filter(ev(NoteOff, 1, V(1), F(64))),
         filtered(" Note-Off events matching the note number in \"variable 1\" of velocity 64 on "
                  "MIDI channel 1")},
        {filter(ev(NoteOff, 1, V(1), AY())),
         filtered(" all Note-Off events matching the note number in \"variable 1\" on MIDI "
                  "channel 1")},
        {filter(ev(NoteOff, 1, V(1), RY(1, 100))),
         filtered(" Note-Off events matching the note number in \"variable 1\" of velocities 1 - "
                  "100 on MIDI channel 1")},
        {filter(ev(NoteOff, 1, F(60), V(2))),
         filtered(
             " Note-Off #60 events matching the velocity in \"variable 2\" on MIDI channel 1")},
        {filter(ev(NoteOff, 1, AX(), V(2))),
         filtered(
             " all Note-Off events matching the velocity in \"variable 2\" on MIDI channel 1")},
        {filter(ev(NoteOff, 1, RX(10, 20), V(2))),
         filtered(" Note-Off #10 - 20 events matching the velocity in \"variable 2\" on MIDI "
                  "channel 1")},
        {filter(ev(NoteOff, 1, V(1), V(2))),
         filtered(" Note-Off events matching the note number in \"variable 1\" and matching the "
                  "velocity in \"variable 2\" on MIDI channel 1")},

        {filter(ev(NoteOn, 16, RX(10, 20), V(2))),
         filtered(" Note-On #10 - 20 events matching the velocity in \"variable 2\" on MIDI "
                  "channel 16")},
        {filter(ev(NoteOn, kAllChannels, AX(), AY())),
         filtered(" all Note-On events on all MIDI channels")},

        {filter(ev(KeyPressure, 1, F(60), F(64))),
         filtered(" Note #60 Key Pressure events of value 64 on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, F(60), AY())),
         filtered(" all Note #60 Key Pressure events on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, F(60), RY(1, 100))),
         filtered(" Note #60 Key Pressure events of values 1 - 100 on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, AX(), F(64))),
         filtered(" all Key Pressure events of value 64 on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, RX(10, 20), F(64))),
         filtered(" Note #10 - 20 Key Pressure events of value 64 on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, AX(), AY())),
         filtered(" all Key Pressure events on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, RX(10, 20), AY())),
         filtered(" Note #10 - 20 Key Pressure events on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, AX(), RY(1, 100))),
         filtered(" all Key Pressure events of values 1 - 100 on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, RX(10, 20), RY(1, 100))),
         filtered(" Note #10 - 20 Key Pressure events of values 1 - 100 on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, V(1), F(64))),
         filtered(" Key Pressure events matching the note number in \"variable 1\" of value 64 on "
                  "MIDI channel 1")},
        {filter(ev(KeyPressure, 1, V(1), AY())),
         filtered(" all Key Pressure events matching the note number in \"variable 1\" on MIDI "
                  "channel 1")},
        {filter(ev(KeyPressure, 1, V(1), RY(1, 100))),
         filtered(" Key Pressure events matching the note number in \"variable 1\" of values 1 - "
                  "100 on MIDI channel 1")},
        {filter(ev(KeyPressure, 1, F(60), V(2))),
         filtered(" Note #60 Key Pressure events matching the value in \"variable 2\" on MIDI "
                  "channel 1")},
        {filter(ev(KeyPressure, 1, AX(), V(2))),
         filtered(" all Key Pressure events matching the value in \"variable 2\" on MIDI channel "
                  "1")},
        {filter(ev(KeyPressure, 1, RX(10, 20), V(2))),
         filtered(" Note #10 - 20 Key Pressure events matching the value in \"variable 2\" on MIDI "
                  "channel 1")},
        {filter(ev(KeyPressure, 1, V(1), V(2))),
         filtered(" Key Pressure events matching the note number in \"variable 1\" and matching "
                  "the value in \"variable 2\" on MIDI channel 1")},

        {filter(ev(Control, 1, F(7), F(64))),
         filtered(" Control Change #7 events of value 64 on MIDI channel 1")},
        {filter(ev(Control, 1, F(7), AY())),
         filtered(" all Control Change #7 events on MIDI channel 1")},
        {filter(ev(Control, 1, F(7), RY(1, 100))),
         filtered(" Control Change #7 events of values 1 - 100 on MIDI channel 1")},
        {filter(ev(Control, 1, AX(), F(64))),
         filtered(" all Control Change events of value 64 on MIDI channel 1")},
        {filter(ev(Control, 1, RX(10, 20), F(64))),
         filtered(" Control Change #10 - 20 events of value 64 on MIDI channel 1")},
        {filter(ev(Control, 1, AX(), AY())),
         filtered(" all Control Change events on MIDI channel 1")},
        {filter(ev(Control, 1, RX(10, 20), AY())),
         filtered(" Control Change #10 - 20 events on MIDI channel 1")},
        {filter(ev(Control, 1, AX(), RY(1, 100))),
         filtered(" all Control Change events of values 1 - 100 on MIDI channel 1")},
        {filter(ev(Control, 1, RX(10, 20), RY(1, 100))),
         filtered(" Control Change #10 - 20 events of values 1 - 100 on MIDI channel 1")},
        {filter(ev(Control, 1, V(1), F(64))),
         filtered(" Control Change events matching the control number in \"variable 1\" of value "
                  "64 on MIDI channel 1")},
        {filter(ev(Control, 1, V(1), AY())),
         filtered(" all Control Change events matching the control number in \"variable 1\" on "
                  "MIDI channel 1")},
        {filter(ev(Control, 1, V(1), RY(1, 100))),
         filtered(" Control Change events matching the control number in \"variable 1\" of values "
                  "1 - 100 on MIDI channel 1")},
        {filter(ev(Control, 1, F(7), V(2))),
         filtered(" Control Change #7 events matching the value in \"variable 2\" on MIDI channel "
                  "1")},
        {filter(ev(Control, 1, AX(), V(2))),
         filtered(" all Control Change events matching the value in \"variable 2\" on MIDI "
                  "channel 1")},
        {filter(ev(Control, 1, RX(10, 20), V(2))),
         filtered(" Control Change #10 - 20 events matching the value in \"variable 2\" on MIDI "
                  "channel 1")},
        {filter(ev(Control, 1, V(1), V(2))),
         filtered(" Control Change events matching the control number in \"variable 1\" and "
                  "matching the value in \"variable 2\" on MIDI channel 1")},

        {filter(ev(Bend, 1, F(5), F(64))),
         filtered(" Pitch Bend events of LSB value 5 and MSB value 64 on MIDI channel 1")},
        {filter(ev(Bend, 1, F(5), AY())),
         filtered(" all Pitch Bend events of LSB value 5 on MIDI channel 1")},
        {filter(ev(Bend, 1, F(5), RY(1, 100))),
         filtered(" Pitch Bend events of LSB value 5 and MSB values 1 - 100 on MIDI channel 1")},
        {filter(ev(Bend, 1, AX(), F(64))),
         filtered(" all Pitch Bend events of MSB value 64 on MIDI channel 1")},
        {filter(ev(Bend, 1, RX(10, 20), F(64))),
         filtered(" Pitch Bend events of LSB values 10 - 20 and MSB value 64 on MIDI channel 1")},
        {filter(ev(Bend, 1, AX(), AY())), filtered(" all Pitch Bend events on MIDI channel 1")},
        {filter(ev(Bend, 1, RX(10, 20), AY())),
         filtered(" Pitch Bend events of LSB values 10 - 20 on MIDI channel 1")},
        // The one "all" phrase that does not say "all".
        {filter(ev(Bend, 1, AX(), RY(1, 100))),
         filtered(" Pitch Bend events of MSB values 1 - 100 on MIDI channel 1")},
        {filter(ev(Bend, 1, RX(10, 20), RY(1, 100))),
         filtered(" Pitch Bend events of LSB values 10 - 20 and MSB values 1 - 100 on MIDI channel "
                  "1")},
        {filter(ev(Bend, 1, V(1), F(64))),
         filtered(" Pitch Bend events matching the LSB value in \"variable 1\" of MSB value 64 on "
                  "MIDI channel 1")},
        {filter(ev(Bend, 1, V(1), AY())),
         filtered(" all Pitch Bend events matching the LSB value in \"variable 1\" on MIDI channel "
                  "1")},
        {filter(ev(Bend, 1, V(1), RY(1, 100))),
         filtered(" Pitch Bend events matching the LSB value in \"variable 1\" of MSB values 1 - "
                  "100 on MIDI channel 1")},
        {filter(ev(Bend, 1, F(5), V(2))),
         filtered(" Pitch Bend events of LSB value 5 matching the MSB value in \"variable 2\" on "
                  "MIDI channel 1")},
        {filter(ev(Bend, 1, AX(), V(2))),
         filtered(" all Pitch Bend events matching the MSB value in \"variable 2\" on MIDI channel "
                  "1")},
        {filter(ev(Bend, 1, RX(10, 20), V(2))),
         filtered(" Pitch Bend events of LSB values 10 - 20 matching the MSB value in \"variable "
                  "2\" on MIDI channel 1")},
        {filter(ev(Bend, 1, V(1), V(2))),
         filtered(" Pitch Bend events matching the LSB value in \"variable 1\" and matching the "
                  "MSB value in \"variable 2\" on MIDI channel 1")},

        {filter(ev(SongPos, F(5), AY())),
         filtered(" all Song Position Pointer events of LSB value 5")},
        {filter(ev(SongPos, AX(), RY(1, 100))),
         filtered(" Song Position Pointer events of MSB values 1 - 100")},
        {filter(ev(SongPos, V(1), V(2))),
         filtered(" Song Position Pointer events matching the LSB value in \"variable 1\" and "
                  "matching the MSB value in \"variable 2\"")},

        {filter(ev(Program, 1, F(5))), filtered(" Program Change #5 events on MIDI channel 1")},
        {filter(ev(Program, 1, V(1))),
         filtered(" Program Change events matching the value in \"variable 1\" on MIDI channel 1")},
        {filter(ev(Program, 1, RX(10, 20))),
         filtered(" Program Change #10 - 20 events on MIDI channel 1")},
        {filter(ev(Program, 1, AX())), filtered(" all Program Change events on MIDI channel 1")},
        {filter(ev(Pressure, 1, F(5))),
         filtered(" Channel Pressure events of value 5 on MIDI channel 1")},
        {filter(ev(Pressure, 1, V(1))),
         filtered(" Channel Pressure events matching the value in \"variable 1\" on MIDI channel "
                  "1")},
        {filter(ev(Pressure, 1, RX(10, 20))),
         filtered(" Channel Pressure events of values 10 - 20 on MIDI channel 1")},
        {filter(ev(Pressure, 0, AX())),
         filtered(" all Channel Pressure events on all MIDI channels")},
        {filter(ev(SongSel, F(5))), filtered(" Song Select events of value 5")},
        {filter(ev(SongSel, V(1))),
         filtered(" Song Select events matching the value in \"variable 1\"")},
        {filter(ev(SongSel, RX(10, 20))), filtered(" Song Select events of values 10 - 20")},
        {filter(ev(SongSel, AX())), filtered(" all Song Select events")},

        {filter(ev(Start)), filtered(" all MIDI Start events")},
        {filter(ev(Stop)), filtered(" all MIDI Stop events")},
        {filter(ev(Continue)), filtered(" all MIDI Continue events")},
        {filter(ev(Clock)), filtered(" all MIDI Timing Clock events")},

        {filter(sx("F0 43 10 F7")), filtered(" the System Exclusive event F0 43 10 F7")},
        {filter(sx("F0 43 XX F7", R(3, 9))),
         filtered(" the System Exclusive event F0 43 XX F7 with XX in the range 3-9")},
        {filter(sx("F0 43 V1 YY F7")),
         filtered(" the System Exclusive event F0 43 V1 YY F7 with YY in the range 0 - 127")},
        {filter(sx("F0 XX YY F7", {}, R(1, 2))),
         filtered(" the System Exclusive event F0 XX YY F7 with XX in the range 0 - 127 and YY in "
                  "the range 1-2")},
    });
}

TEST(RuleComment, HeadAndEnd) {
    expectComments({
        {filter(ev(Control, 1, F(7), AY())).number(12).off(),
         "{ Setting #12 (Powers up in the OFF state): Filter all Control Change #7 events on MIDI "
         "channel 1. Continue to process settings }"},
        {filter(ev(Control, 1, F(7), AY())).number(32).stop(),
         "{ Setting #32: Filter all Control Change #7 events on MIDI channel 1. If this setting is "
         "executed, stop processing settings }"},
        {filter(ev(AllEvents)),
         "{ Setting #1: Filter all incoming MIDI events. Continue to process settings }"},
        // The processing choice is hidden for "All MIDI Events" and does not count.
        {filter(ev(AllEvents)).off().stop(),
         "{ Setting #1 (Powers up in the OFF state): Filter all incoming MIDI events. Continue to "
         "process settings }"},
        // A reversed incoming range is described as it is written.
        {filter(ev(Control, 1, F(7), RY(90, 20))),
         "{ Setting #1: Filter Control Change #7 events of values 20 - 90 on MIDI channel 1. "
         "Continue to process settings }"},
    });
}

TEST(RuleComment, MapDescribesWhereTheValuesGo) {
    expectComments({
        {map(ev(NoteOn, 1, AX(), AY()), ev(NoteOn, 1, AX(), AY())).number(2),
         "{ Setting #2: Map all Note-On events on MIDI channel 1 to Note-On events on MIDI channel "
         "1, with the incoming Note number mapped to the outgoing Note number, and the incoming "
         "velocity mapped to the outgoing velocity value. Continue to process settings }"},
        {map(ev(NoteOn, 1, RX(0, 115), AY()), ev(NoteOn, 1, RX(12, 127), AY())),
         "{ Setting #1: Map Note-On #0 - 115 events on MIDI channel 1 to Note-On events on MIDI "
         "channel 1, with the incoming Note number mapped to the outgoing Note number scaled to "
         "the "
         "range 12 - 127, and the incoming velocity mapped to the outgoing velocity value. "
         "Continue to process settings }"},
        {map(ev(NoteOn, 1, AX(), RY(1, 127)), ev(NoteOn, 1, AX(), V(1))).number(2),
         "{ Setting #2: Map all Note-On events of velocities 1 - 127 on MIDI channel 1 to Note-On "
         "events of velocity obtained from \"variable 1\" on MIDI channel 1, with the incoming "
         "Note "
         "number mapped to the outgoing Note number. Continue to process settings }"},
        {map(ev(NoteOff, 1, AX(), F(100)), ev(NoteOff, 2, AX(), V(2))),
         "{ Setting #1: Map all Note-Off events of velocity 100 on MIDI channel 1 to Note-Off "
         "events of velocity obtained from \"variable 2\" on MIDI channel 2, with the incoming "
         "Note "
         "number mapped to the outgoing Note number. Continue to process settings }"},
        {map(ev(NoteOn, 1, RX(10, 20), F(1)), ev(NoteOn, 1, RX(20, 10), F(99))),
         "{ Setting #1: Map Note-On #10 - 20 events of velocity 1 on MIDI channel 1 to Note-On "
         "events of velocity 99 on MIDI channel 1, with the incoming Note number mapped to the "
         "outgoing Note number scaled to the range 20 - 10. Continue to process settings }"},
        {map(ev(NoteOn, 1, F(60), AY()), ev(NoteOn, 1, F(62), AY())),
         "{ Setting #1: Map all Note-On #60 events on MIDI channel 1 to Note-On #62 events on MIDI "
         "channel 1, with the incoming velocity mapped to the outgoing velocity value. Continue to "
         "process settings }"},
        {map(ev(NoteOn, 1, F(60), AY()), ev(NoteOn, 1, V(1), AY())),
         "{ Setting #1: Map all Note-On #60 events on MIDI channel 1 to Note-On events of note "
         "number obtained from \"variable 1\" on MIDI channel 1, with the incoming velocity mapped "
         "to the outgoing velocity value. Continue to process settings }"},
        {map(ev(KeyPressure, 1, AX(), AY()), ev(KeyPressure, 1, AX(), AY())),
         "{ Setting #1: Map all Key Pressure events on MIDI channel 1 to Key Pressure events on "
         "MIDI channel 1, with the incoming Note number mapped to the outgoing Note number, and "
         "the "
         "incoming Pressure value mapped to the outgoing Pressure value. Continue to process "
         "settings }"},
        {map(ev(KeyPressure, 1, AX(), AY()), ev(KeyPressure, 1, AX(), V(3))),
         "{ Setting #1: Map all Key Pressure events on MIDI channel 1 to Key Pressure events of "
         "value obtained from \"variable 3\" on MIDI channel 1, with the incoming Note number "
         "mapped to the outgoing Note number. Continue to process settings }"},
        {map(ev(KeyPressure, 1, AX(), F(5)), ev(KeyPressure, 1, AX(), F(6))),
         "{ Setting #1: Map all Key Pressure events of value 5 on MIDI channel 1 to Key Pressure "
         "events of value 6 on MIDI channel 1, with the incoming Note number mapped to the "
         "outgoing "
         "Note number. Continue to process settings }"},
        {map(ev(KeyPressure, 1, F(60), AY()), ev(KeyPressure, 1, V(1), AY())),
         "{ Setting #1: Map all Note #60 Key Pressure events on MIDI channel 1 to Key Pressure "
         "events of note number obtained from \"variable 1\" on MIDI channel 1, with the incoming "
         "Pressure value mapped to the outgoing Pressure value. Continue to process settings }"},
        {map(ev(KeyPressure, 1, F(60), RY(10, 20)), ev(KeyPressure, 1, F(61), RY(20, 10))),
         "{ Setting #1: Map Note #60 Key Pressure events of values 10 - 20 on MIDI channel 1 to "
         "Key "
         "Pressure Note #61 events on MIDI channel 1, with the incoming Pressure value mapped to "
         "the outgoing Pressure value scaled to the range 20 - 10. Continue to process settings }"},
        {map(ev(Control, 1, AX(), AY()), ev(Control, 1, AY(), AX())),
         "{ Setting #1: Map all Control Change events on MIDI channel 1 to Control Change events "
         "on MIDI channel 1, with the incoming Control Change number mapped to the outgoing "
         "Control "
         "Change value, and the incoming value mapped to the outgoing Control Change number. "
         "Continue to process settings }"},
        {map(ev(Control, 1, AX(), AY()), ev(Control, 1, AX(), V(2))),
         "{ Setting #1: Map all Control Change events on MIDI channel 1 to Control Change events "
         "of value obtained from \"variable 2\" on MIDI channel 1, with the incoming Control "
         "Change "
         "number mapped to the outgoing Control Change number. Continue to process settings }"},
        {map(ev(Control, 1, AX(), F(0)), ev(Control, 1, AX(), F(127))),
         "{ Setting #1: Map all Control Change events of value 0 on MIDI channel 1 to Control "
         "Change events of value 127 on MIDI channel 1, with the incoming Control Change number "
         "mapped to the outgoing Control Change number. Continue to process settings }"},
        {map(ev(Control, kAllChannels, AX(), AY()), ev(Control, kSameChannel, V(1), AX())),
         "{ Setting #1: Map all Control Change events on all MIDI channels to Control Change "
         "events of control number obtained from \"variable 1\" on the same MIDI channel, with the "
         "incoming Control Change number mapped to the outgoing Control Change value. Continue to "
         "process settings }"},
        {map(ev(Control, 1, F(1), AY()), ev(Control, 1, F(2), AY())),
         "{ Setting #1: Map all Control Change #1 events on MIDI channel 1 to Control Change #2 "
         "events on MIDI channel 1, with the incoming value mapped to the outgoing Control Change "
         "value. Continue to process settings }"},
        {map(ev(Bend, 1, AX(), AY()), ev(Bend, 1, AY(), AX())),
         "{ Setting #1: Map all Pitch Bend events on MIDI channel 1 to Pitch Bend events on MIDI "
         "channel 1, with the incoming Pitch Bend LSB value mapped to the outgoing MSB Pitch "
         "value, "
         "and the incoming Pitch Bend MSB value mapped to the outgoing LSB Pitch value. Continue "
         "to "
         "process settings }"},
        {map(ev(Bend, 1, AX(), F(9)), ev(Bend, 1, AX(), V(1))),
         "{ Setting #1: Map all Pitch Bend events of MSB value 9 on MIDI channel 1 to Pitch Bend "
         "events of MSB value obtained from \"variable 1\" on MIDI channel 1, with the incoming "
         "Pitch Bend LSB value mapped to the outgoing LSB Pitch value. Continue to process "
         "settings "
         "}"},
        {map(ev(Bend, 1, AX(), AY()), ev(Bend, 1, AX(), F(4))),
         "{ Setting #1: Map all Pitch Bend events on MIDI channel 1 to Pitch Bend events of MSB "
         "value 4 on MIDI channel 1, with the incoming Pitch Bend LSB value mapped to the outgoing "
         "LSB Pitch value. Continue to process settings }"},
        {map(ev(Bend, 1, F(0), AY()), ev(Bend, 1, V(2), AY())),
         "{ Setting #1: Map all Pitch Bend events of LSB value 0 on MIDI channel 1 to Pitch Bend "
         "events of LSB value obtained from \"variable 2\" on MIDI channel 1, with the incoming "
         "Pitch Bend MSB value mapped to the outgoing MSB Pitch value. Continue to process "
         "settings "
         "}"},
        {map(ev(Bend, 1, F(0), AY()), ev(Bend, 1, F(3), AY())),
         "{ Setting #1: Map all Pitch Bend events of LSB value 0 on MIDI channel 1 to Pitch Bend "
         "events of LSB value 3 on MIDI channel 1, with the incoming Pitch Bend MSB value mapped "
         "to "
         "the outgoing MSB Pitch value. Continue to process settings }"},
        {map(ev(SongPos, AX(), AY()), ev(SongPos, AX(), AY())),
         "{ Setting #1: Map all Song Position Pointer events to Song Position Pointer events, with "
         "the incoming Song Position Pointer LSB value mapped to the outgoing LSB Song Position "
         "Pointer value, and the incoming Song Position Pointer MSB value mapped to the outgoing "
         "MSB "
         "Song Position Pointer value. Continue to process settings }"},
        {map(ev(SongPos, AX(), F(1)), ev(SongPos, AX(), V(1))),
         "{ Setting #1: Map all Song Position Pointer events of MSB value 1 to Song Position "
         "Pointer events of MSB value obtained from \"variable 1\", with the incoming Song "
         "Position "
         "Pointer LSB value mapped to the outgoing LSB Song Position Pointer value. Continue to "
         "process settings }"},
        {map(ev(SongPos, RX(0, 10), F(5)), ev(SongPos, RX(10, 0), F(3))),
         "{ Setting #1: Map Song Position Pointer events of LSB values 0 - 10 and MSB value 5 to "
         "Song Position Pointer events of MSB value 3, with the incoming Song Position Pointer LSB "
         "value mapped to the outgoing LSB Song Position Pointer value scaled to the range 10 - 0. "
         "Continue to process settings }"},
        {map(ev(SongPos, F(1), AY()), ev(SongPos, V(1), AY())),
         "{ Setting #1: Map all Song Position Pointer events of LSB value 1 to Song Position "
         "Pointer events of LSB value obtained from \"variable 1\", with the incoming Song "
         "Position "
         "Pointer MSB value mapped to the outgoing MSB Song Position Pointer value. Continue to "
         "process settings }"},
        {map(ev(SongPos, F(1), AY()), ev(SongPos, F(2), AY())),
         "{ Setting #1: Map all Song Position Pointer events of LSB value 1 to Song Position "
         "Pointer events of LSB value 2, with the incoming Song Position Pointer MSB value mapped "
         "to "
         "the outgoing MSB Song Position Pointer value. Continue to process settings }"},
        {map(ev(Program, 4, AX()), ev(Pressure, 4, AX())),
         "{ Setting #1: Map all Program Change events on MIDI channel 4 to Channel Pressure events "
         "on MIDI channel 4, with the incoming Program Change value mapped to the outgoing Channel "
         "Pressure value. Continue to process settings }"},
        {map(ev(SongSel, RX(1, 5)), ev(Program, 3, RX(5, 1))),
         "{ Setting #1: Map Song Select events of values 1 - 5 to Program Change events on MIDI "
         "channel 3, with the incoming Song Select value mapped to the outgoing Program Change "
         "number scaled to the range 5 - 1. Continue to process settings }"},
        {map(ev(Control, 1, F(7), AY()), ev(SongSel, AY())),
         "{ Setting #1: Map all Control Change #7 events on MIDI channel 1 to Song Select events, "
         "with the incoming value mapped to the outgoing Song Select value. Continue to process "
         "settings }"},
        {map(sx("F0 43 XX YY F7", R(1, 2)), sx("F0 41 YY XX F7", R(3, 4))),
         "{ Setting #1: Map the System Exclusive event F0 43 XX YY F7 with XX in the range 1-2 and "
         "YY in the range 0 - 127 to the System Exclusive event F0 41 YY XX F7, with XX of the "
         "incoming event mapped to XX of the outgoing event scaled to the range 3 - 4, and YY of "
         "the incoming event mapped to YY of the outgoing event. Continue to process settings }"},
        // Scaling is only offered on a selected incoming range.
        {map(ev(Control, 1, F(1), AY()), ev(Control, 1, F(2), RY(127, 0))),
         "{ Setting #1: Map all Control Change #1 events on MIDI channel 1 to Control Change #2 "
         "events on MIDI channel 1, with the incoming value mapped to the outgoing Control Change "
         "value. Continue to process settings }"},
        // A map from channel 3 to the same channel is described as the encoder resolves it.
        {map(ev(NoteOn, 3, AX(), AY()), ev(NoteOn, kSameChannel, AX(), AY())),
         "{ Setting #1: Map all Note-On events on MIDI channel 3 to Note-On events on MIDI channel "
         "3, with the incoming Note number mapped to the outgoing Note number, and the incoming "
         "velocity mapped to the outgoing velocity value. Continue to process settings }"},
        {map(ev(Control, 1, RX(1, 4), AY()), ev(Control, 1, F(64), F(0))).number(5).stop(),
         "{ Setting #5: Map Control Change #1 - 4 events on MIDI channel 1 to Control Change #64 "
         "of value 0 on MIDI channel 1. If this setting is executed, stop processing settings }"},
        {map(ev(NoteOn, 1, F(60), RY(1, 127)), sx("F0 7F 7F 06 02 F7")),
         "{ Setting #1: Map Note-On #60 events of velocities 1 - 127 on MIDI channel 1 to the "
         "System Exclusive event F0 7F 7F 06 02 F7. Continue to process settings }"},
    });
}

// A map of a fixed Note-On onto an event that takes no value X or value Y.
std::string mappedToFixed(const std::string& output) {
    return "{ Setting #1: Map Note-On #60 events of velocity 64 on MIDI channel 1" + output +
           ". Continue to process settings }";
}

TEST(RuleComment, MapToFixedEvents) {
    const EventSpec in = ev(NoteOn, 1, F(60), F(64));
    expectComments({
        {map(in, ev(NoteOff, 1, V(1), V(2))),
         mappedToFixed(" to Note-Off of note number obtained from \"variable 1\" and velocity "
                       "obtained from \"variable 2\" on MIDI channel 1")},
        {map(in, ev(NoteOn, 1, V(1), F(64))),
         mappedToFixed(" to Note-On of note number obtained from \"variable 1\" of velocity 64 on "
                       "MIDI channel 1")},
        {map(in, ev(NoteOn, 1, F(60), V(2))),
         mappedToFixed(
             " to Note-On #60 of velocity obtained from \"variable 2\" on MIDI channel 1")},
        {map(in, ev(NoteOff, 1, F(60), F(0))),
         mappedToFixed(" to Note-Off #60 of velocity 0 on MIDI channel 1")},
        {map(in, ev(KeyPressure, 1, V(1), V(2))),
         mappedToFixed(" to Key Pressure of note number obtained from \"variable 1\" and value "
                       "obtained from \"variable 2\" on MIDI channel 1")},
        {map(in, ev(KeyPressure, 1, V(1), F(5))),
         mappedToFixed(" to Key Pressure of note number obtained from \"variable 1\" of value 5 on "
                       "MIDI channel 1")},
        {map(in, ev(KeyPressure, 1, F(60), V(2))),
         mappedToFixed(" to Key Pressure Note #60 of value obtained from \"variable 2\" on MIDI "
                       "channel 1")},
        {map(in, ev(KeyPressure, 1, F(60), F(5))),
         mappedToFixed(" to Key Pressure Note #60 of value 5 on MIDI channel 1")},
        {map(in, ev(Control, 1, V(1), V(2))),
         mappedToFixed(" to Control Change of control number obtained from \"variable 1\" and "
                       "value obtained from \"variable 2\" on MIDI channel 1")},
        {map(in, ev(Control, 1, V(1), F(5))),
         mappedToFixed(" to Control Change of control number obtained from \"variable 1\" of "
                       "value 5 on MIDI channel 1")},
        {map(in, ev(Control, 1, F(7), V(2))),
         mappedToFixed(" to Control Change #7 of value obtained from \"variable 2\" on MIDI "
                       "channel 1")},
        {map(in, ev(Bend, 1, V(1), V(2))),
         mappedToFixed(" to Pitch Bend of LSB value obtained from \"variable 1\" and MSB value "
                       "obtained from \"variable 2\" on MIDI channel 1")},
        {map(in, ev(Bend, 1, V(1), F(64))),
         mappedToFixed(" to Pitch Bend of LSB value obtained from \"variable 1\" and MSB value 64 "
                       "on MIDI channel 1")},
        {map(in, ev(Bend, 1, F(0), V(2))),
         mappedToFixed(" to Pitch Bend of LSB value 0 and MSB value obtained from \"variable 2\" "
                       "on MIDI channel 1")},
        {map(in, ev(Bend, 1, F(1), F(2))),
         mappedToFixed(" to Pitch Bend of LSB value 1 and MSB value 2 on MIDI channel 1")},
        {map(in, ev(SongPos, V(1), V(2))),
         mappedToFixed(" to Song Position Pointer of of LSB value obtained from \"variable 1\" and "
                       "MSB value obtained from \"variable 2\"")},
        {map(in, ev(SongPos, V(1), F(2))),
         mappedToFixed(" to Song Position Pointer of LSB value obtained from \"variable 1\" and "
                       "MSB value 2")},
        {map(in, ev(SongPos, F(1), V(2))),
         mappedToFixed(" to Song Position Pointer of LSB value 1 and MSB value obtained from "
                       "\"variable 2\"")},
        {map(in, ev(SongPos, F(1), F(2))),
         mappedToFixed(" to Song Position Pointer of LSB value 1 and MSB value 2")},
        {map(in, ev(Program, 1, V(1))),
         mappedToFixed(" to Program Change of the value obtained from \"variable 1\" on MIDI "
                       "channel 1")},
        {map(in, ev(Program, 1, F(5))), mappedToFixed(" to Program Change #5 on MIDI channel 1")},
        {map(in, ev(Pressure, 1, V(1))),
         mappedToFixed(" to Channel Pressure of the value obtained from \"variable 1\" on MIDI "
                       "channel 1")},
        {map(in, ev(Pressure, 1, F(9))),
         mappedToFixed(" to Channel Pressure of value 9 on MIDI channel 1")},
        {map(in, ev(SongSel, V(1))),
         mappedToFixed(" to Song Select of the value obtained from \"variable 1\"")},
        {map(in, ev(SongSel, F(3))), mappedToFixed(" to Song Select of value 3")},
        {map(in, sx("F0 43 V1 F7")), mappedToFixed(" to the System Exclusive event F0 43 V1 F7")},
        {map(in, ev(Start)), mappedToFixed(" to MIDI Start events")},
        {map(in, ev(Stop)), mappedToFixed(" to MIDI Stop events")},
        {map(in, ev(Continue)), mappedToFixed(" to MIDI Continue events")},
        {map(in, ev(Clock)), mappedToFixed(" to MIDI Timing Clock events")},
    });
}

// A trigger of a fixed Note-On, by its condition.
std::string triggeredWhen(const std::string& condition) {
    return "{ Setting #1: When" + condition +
           ", trigger a Note-On #60 of velocity 64 on MIDI channel 1. Continue to process settings "
           "}";
}

TEST(RuleComment, TriggerConditions) {
    const EventSpec out = ev(NoteOn, 1, F(60), F(64));
    expectComments({
        {trigger(ev(Control, 1, F(7), RY(101, 127)), out),
         triggeredWhen(" the value of Control Change  #7 on MIDI channel 1 moves into the range "
                       "101 - 127")},
        {trigger(ev(Control, 1, V(1), RY(1, 100)), out),
         triggeredWhen(" the value of Control Change events of the Control Change number in "
                       "\"variable 1\" on MIDI channel 1 moves into the range 1 - 100")},
        {trigger(ev(Control, 1, RX(10, 20), F(127)), out),
         triggeredWhen(" the Control Change number of Control Change events of value 127 on MIDI "
                       "channel 1 moves into the range 10 - 20")},
        {trigger(ev(Control, 1, AX(), V(2)), out),
         triggeredWhen(" the Control Change number of Control Change events matching the value in "
                       "\"variable 2\" on MIDI channel 1 moves into the range 0 - 127")},
        {trigger(ev(Control, 1, RX(10, 20), RY(1, 100)), out),
         triggeredWhen(" the Control Change number of Control Change events on MIDI channel 1 "
                       "moves into the range 10 - 20 and the value moves into the range 1 - 100")},
        {trigger(ev(NoteOff, 1, F(60), RY(1, 100)), out),
         triggeredWhen(" the velocity of Note-Off events of Note #60 on MIDI channel 1 moves into "
                       "the range 1 - 100")},
        {trigger(ev(NoteOn, 1, V(1), AY()), out),
         triggeredWhen(" the velocity of Note-On events matching the Note number in \"variable 1\" "
                       "on MIDI channel 1 moves into the range 0 - 127")},
        {trigger(ev(NoteOff, 1, RX(10, 20), F(64)), out),
         triggeredWhen(" the Note number of Note-Off events of velocity 64 on MIDI channel 1 moves "
                       "into the range 10 - 20")},
        {trigger(ev(NoteOn, 1, RX(10, 20), V(2)), out),
         triggeredWhen(" the Note number of Note-On events of velocity matching the value in "
                       "\"variable 2\" on MIDI channel 1 moves into the range 10 - 20")},
        {trigger(ev(NoteOn, 1, RX(10, 20), RY(1, 100)), out),
         triggeredWhen(" the Note number of Note-On events on MIDI channel 1 moves into the range "
                       "10 - 20 and the velocity moves into the range 1 - 100")},
        {trigger(ev(KeyPressure, 1, F(60), RY(1, 100)), out),
         triggeredWhen(" the value of Key Pressure Note #60 on MIDI channel 1 moves into the range "
                       "1 - 100")},
        {trigger(ev(KeyPressure, 1, V(1), AY()), out),
         triggeredWhen(" the value of Key Pressure events matching the Note number in \"variable "
                       "1\" on MIDI channel 1 moves into the range 0 - 127")},
        {trigger(ev(KeyPressure, 1, AX(), F(5)), out),
         triggeredWhen(" the Note number of Key Pressure events of value 5 on MIDI channel 1 moves "
                       "into the range 0 - 127")},
        {trigger(ev(KeyPressure, 1, RX(1, 2), V(2)), out),
         triggeredWhen(" the Note number of Key Pressure events matching the value in \"variable "
                       "2\" on MIDI channel 1 moves into the range 1 - 2")},
        {trigger(ev(KeyPressure, 1, AX(), AY()), out),
         triggeredWhen(" the Note number of Key Pressure events on MIDI channel 1 moves into the "
                       "range 0 - 127 and the value moves into the range 0 - 127")},
        {trigger(ev(Bend, 1, F(0), RY(10, 20)), out),
         triggeredWhen(" the MSB value of Pitch Bend events of LSB value 0 on MIDI channel 1 moves "
                       "into the range 10 - 20")},
        {trigger(ev(Bend, 1, V(1), AY()), out),
         triggeredWhen(" the MSB value of Pitch Bend events matching the LSB value in \"variable "
                       "1\" on MIDI channel 1 moves into the range 0 - 127")},
        {trigger(ev(Bend, 1, RX(1, 2), F(64)), out),
         triggeredWhen(" the LSB value of Pitch Bend events of MSB value 64 on MIDI channel 1 "
                       "moves into the range 1 - 2")},
        {trigger(ev(Bend, 1, AX(), V(2)), out),
         triggeredWhen(" the LSB value of Pitch Bend events matching the MSB value in \"variable "
                       "2\" on MIDI channel 1 moves into the range 0 - 127")},
        {trigger(ev(Bend, 1, AX(), RY(3, 4)), out),
         triggeredWhen(" the LSB value of Pitch Bend events on MIDI channel 1 moves into the range "
                       "0 - 127 and the MSB value moves into the range 3 - 4")},
        {trigger(ev(SongPos, F(1), RY(3, 4)), out),
         triggeredWhen(" the MSB value of Song Position Pointer events of LSB value 1 moves into "
                       "the range 3 - 4")},
        {trigger(ev(SongPos, AX(), AY()), out),
         triggeredWhen(" the LSB value of Song Position Pointer events moves into the range 0 - "
                       "127 and the MSB value moves into the range 0 - 127")},
        {trigger(ev(Program, 1, RX(0, 9)), out),
         triggeredWhen(" the program number of Program Change events on MIDI channel 1 moves into "
                       "the range 0 - 9")},
        {trigger(ev(Pressure, 2, AX()), out),
         triggeredWhen(" the value of Channel Pressure events on MIDI channel 2 moves into the "
                       "range 0 - 127")},
        {trigger(ev(SongSel, RX(1, 3)), out),
         triggeredWhen(" the value of Song Select events moves into the range 1 - 3")},
        {trigger(sx("F0 43 XX F7", R(5, 6)), out),
         triggeredWhen(" XX of the System Exclusive event F0 43 XX F7 moves into the range 5 - 6")},
        {trigger(sx("F0 43 V1 YY F7"), out),
         triggeredWhen(" YY of the System Exclusive event F0 43 V1 YY F7 moves into the range 0 - "
                       "127")},
        {trigger(sx("F0 XX YY F7", {}, R(1, 2)), out),
         triggeredWhen(" XX of the System Exclusive event F0 XX YY F7 moves into the range 0 - 127 "
                       "and moves into the range 1 - 2")},
    });
}

// The trigger of the example documents, by what it triggers.
std::string triggering(const std::string& output) {
    return "{ Setting #1: When the value of Control Change  #7 on MIDI channel 1 moves into the "
           "range 101 - 127, trigger" +
           output + ". Continue to process settings }";
}

TEST(RuleComment, TriggeredEvents) {
    const EventSpec in = ev(Control, 1, F(7), RY(101, 127));
    expectComments({
        {trigger(in, ev(NoteOn, 1, F(60), F(64))),
         triggering(" a Note-On #60 of velocity 64 on MIDI channel 1")},
        {trigger(in, ev(NoteOff, 1, V(1), V(2))),
         triggering(" a Note-Off of note number obtained from \"variable 1\" and velocity obtained "
                    "from \"variable 2\" on MIDI channel 1")},
        {trigger(in, ev(KeyPressure, 1, F(60), V(2))),
         triggering(
             " a Key Pressure Note #60 of value obtained from \"variable 2\" on MIDI channel "
             "1")},
        {trigger(in, ev(Control, 1, V(1), F(5))),
         triggering(" a Control Change of control number obtained from \"variable 1\" of value 5 "
                    "on MIDI channel 1")},
        // A trigger writes Pitch Bend's variable phrase with a doubled "of", as it always has.
        {trigger(in, ev(Bend, 1, V(1), V(2))),
         triggering(" a Pitch Bend of of LSB value obtained from \"variable 1\" and MSB value "
                    "obtained from \"variable 2\" on MIDI channel 1")},
        {trigger(in, ev(Bend, 1, F(0), F(64))),
         triggering(" a Pitch Bend of LSB value 0 and MSB value 64 on MIDI channel 1")},
        {trigger(in, ev(SongPos, V(1), V(2))),
         triggering(" a Song Position Pointer of of LSB value obtained from \"variable 1\" and MSB "
                    "value obtained from \"variable 2\"")},
        {trigger(in, ev(Program, kSameChannel, V(2))),
         triggering(
             " a Program Change of the value obtained from \"variable 2\" on MIDI channel 1")},
        {trigger(in, ev(Pressure, 3, F(127))),
         triggering(" a Channel Pressure of value 127 on MIDI channel 3")},
        {trigger(in, ev(SongSel, F(3))), triggering(" a Song Select of value 3")},
        {trigger(in, sx("F0 43 V1 F7")), triggering(" the System Exclusive event F0 43 V1 F7")},
        {trigger(in, ev(Start)), triggering(" a MIDI Start event")},
        {trigger(in, ev(Stop)), triggering(" a MIDI Stop event")},
        {trigger(in, ev(Continue)), triggering(" a MIDI Continue event")},
        {trigger(in, ev(Clock)), triggering(" a MIDI Timing Clock event")},
        {trigger(ev(Control, kAllChannels, F(7), RY(101, 127)),
                 ev(NoteOn, kSameChannel, F(60), F(64)))
             .number(3)
             .off()
             .stop(),
         "{ Setting #3 (Powers up in the OFF state): When the value of Control Change  #7 on all "
         "MIDI channels moves into the range 101 - 127, trigger a Note-On #60 of velocity 64 on "
         "the same MIDI channel. If this setting is executed, stop processing settings }"},
    });
}

TEST(RuleComment, TurnASettingOnOrOff) {
    const EventSpec in = ev(NoteOn, 1, F(60), RY(1, 100));
    const std::string when = " the velocity of Note-On events of Note #60 on MIDI channel 1 ";
    expectComments({
        {onOff(ev(Control, 1, F(1), RY(0, 10)), 5, Off, On),
         "{ Setting #1: If the value of Control Change  #1 on MIDI channel 1 is in the range 0 - "
         "10, turn Setting #5 Off, otherwise turn setting On. Continue to process settings }"},
        {onOff(ev(Control, 1, F(98), RY(1, 1)), 1, NoAction, Off).number(4),
         "{ Setting #4: If the value of Control Change  #98 on MIDI channel 1 is out of the range "
         "1 - 1, turn Setting #1 Off. Continue to process settings }"},
        {onOff(in, 3, NoAction, On),
         "{ Setting #1: If" + when +
             "is out of the range 1 - 100, turn Setting #3 On. Continue to "
             "process settings }"},
        {onOff(in, 3, On, NoAction), "{ Setting #1: If" + when +
                                         "is in the range 1 - 100, turn Setting #3 On. Continue to "
                                         "process settings }"},
        {onOff(in, 3, On, Off), "{ Setting #1: If" + when +
                                    "is in the range 1 - 100, turn Setting #3 On, otherwise turn "
                                    "setting Off. Continue to process settings }"},
        {onOff(in, 3, Off, NoAction).number(9).off(),
         "{ Setting #9 (Powers up in the OFF state): If" + when +
             "is in the range 1 - 100, turn "
             "Setting #3 Off. Continue to process settings }"},
        {onOff(sx("F0 43 XX F7"), 32, Off, On),
         "{ Setting #1: If XX of the System Exclusive event F0 43 XX F7 is in the range 0 - 127, "
         "turn Setting #32 Off, otherwise turn setting On. Continue to process settings }"},
    });
}

TEST(RuleComment, DefineASequence) {
    expectComments({
        {sequence(ev(Control, 1, F(64), F(127)), 2, 1, 2),
         "{ Setting #1: When Control Change #64 events of value 127 on MIDI channel 1 are "
         "received, jump to the next step of the sequence beginning at setting #2, with 1 event "
         "per step, containing a total of 2 steps. When the last step of the sequence is reached, "
         "loop back to the first step. Continue to process settings }"},
        {sequence(ev(NoteOn, kAllChannels, AX(), AY()), 3, 2, 5, SequenceJump::NextStep,
                  SequenceEnd::Remain),
         "{ Setting #1: When Note-On events on all MIDI channels are received, jump to the next "
         "step of the sequence beginning at setting #3, with 2 events per step, containing a total "
         "of 5 steps. When the last step of the sequence is reached, remain at the last step. "
         "Continue to process settings }"},
        {sequence(ev(Program, 1, AX()), 4, 1, 3, SequenceJump::PreviousStep),
         "{ Setting #1: When Program Change events on MIDI channel 1 are received, jump to the "
         "previous step of the sequence beginning at setting #4, with 1 event per step, containing "
         "a total of 3 steps. When the first step of the sequence is reached, loop back to the "
         "last "
         "step. Continue to process settings }"},
        {sequence(ev(Start), 4, 1, 3, SequenceJump::PreviousStep, SequenceEnd::Remain).off(),
         "{ Setting #1 (Powers up in the OFF state): When MIDI Start events are received, jump to "
         "the previous step of the sequence beginning at setting #4, with 1 event per step, "
         "containing a total of 3 steps. When the first step of the sequence is reached, remain at "
         "the first step. Continue to process settings }"},
        {sequence(sx("F0 43 XX F7"), 2, 3, 4, SequenceJump::Step, SequenceEnd::Loop, 3),
         "{ Setting #1: When the System Exclusive event F0 43 XX F7 with XX in the range 0 - 127 "
         "is received, jump to step #3 of the sequence beginning at setting #2, with 3 events per "
         "step, containing a total of 4 steps. Continue to process settings }"},
        {sequence(ev(Control, 1, V(1), RY(5, 6)), 10, 1, 2).stop(),
         "{ Setting #1: When Control Change events matching the control number in \"variable 1\" "
         "of values 5 - 6 on MIDI channel 1 are received, jump to the next step of the sequence "
         "beginning at setting #10, with 1 event per step, containing a total of 2 steps. When the "
         "last step of the sequence is reached, loop back to the first step. Continue to process "
         "settings }"},
    });
}

std::string stored(const std::string& event) {
    return "{ Setting #1: Sequence Event:" + event + ". Continue to process settings }";
}

TEST(RuleComment, SequenceEventsByteByByte) {
    expectComments({
        {sequenceEvent(ev(Control, 1, F(64), F(127))).number(2),
         "{ Setting #2: Sequence Event: Control Change #64 of value 127 on MIDI channel 1. "
         "Continue to process settings }"},
        {sequenceEvent(ev(NoteOn, 10, F(30), RY(1, 127))).number(2),
         "{ Setting #2: Sequence Event: Note-On #30 with the velocity obtained from the incoming Y "
         "value and scaled to the outgoing range 1 - 127, on MIDI channel 10. Continue to process "
         "settings }"},
        {sequenceEvent(ev(NoteOff, kSameChannel, RX(0, 64), F(0))),
         stored(" Note-Off with the Note number obtained from the incoming X value and scaled to "
                "the outgoing range 0 - 64, and of velocity 0 on the same MIDI channel")},
        {sequenceEvent(ev(NoteOff, 1, F(60), RY(10, 20))),
         stored(" Note-Off #60 with the velocity obtained from the incoming Y value and scaled to "
                "the outgoing range 10 - 20, on MIDI channel 1")},
        {sequenceEvent(ev(NoteOn, 1, V(1), V(2))),
         stored(" Note-On of the Note number obtained from \"variable 1\" of velocity obtained "
                "from \"variable 2\" on MIDI channel 1")},
        {sequenceEvent(ev(KeyPressure, 1, V(1), RX(5, 1))),
         stored(" Key Pressure of the Note number obtained from \"variable 1\" with the pressure "
                "value obtained from the incoming X value and scaled to the outgoing range 5 - 1, "
                "on MIDI channel 1")},
        {sequenceEvent(ev(KeyPressure, 1, F(60), F(5))),
         stored(" Key Pressure Note #60 of pressure value 5 on MIDI channel 1")},
        {sequenceEvent(ev(KeyPressure, 1, RX(1, 2), V(2))),
         stored(" Key Pressure with the Note number obtained from the incoming X value and scaled "
                "to the outgoing range 1 - 2, and of value obtained from \"variable 2\" on MIDI "
                "channel 1")},
        {sequenceEvent(ev(Control, 1, RY(0, 127), V(2))),
         stored(" Control Change with the Control Change number obtained from the incoming Y "
                "value and scaled to the outgoing range 0 - 127, and of value obtained from "
                "\"variable 2\" on MIDI channel 1")},
        {sequenceEvent(ev(Control, 1, V(1), F(0))),
         stored(" Control Change of the Control Change number obtained from \"variable 1\" of "
                "value 0 on MIDI channel 1")},
        {sequenceEvent(ev(Control, 1, F(7), RX(3, 4))),
         stored(" Control Change #7 with the value obtained from the incoming X value and scaled "
                "to the outgoing range 3 - 4, on MIDI channel 1")},
        {sequenceEvent(ev(Program, 1, RX(0, 9))),
         stored(" Program Change with the program number obtained from the incoming X value and "
                "scaled to the outgoing range 0 - 9, on MIDI channel 1")},
        {sequenceEvent(ev(Program, 1, V(1))),
         stored(" Program Change of value obtained from \"variable 1\" on MIDI channel 1")},
        {sequenceEvent(ev(Program, 1, F(5))), stored(" Program Change #5 on MIDI channel 1")},
        {sequenceEvent(ev(Pressure, 1, RY(2, 3))),
         stored(" Channel Pressure with the value obtained from the incoming Y value and scaled to "
                "the outgoing range 2 - 3, on MIDI channel 1")},
        {sequenceEvent(ev(Pressure, 1, V(1))),
         stored(" Channel Pressure of value obtained from \"variable 1\" on MIDI channel 1")},
        {sequenceEvent(ev(Pressure, 1, F(5))),
         stored(" Channel Pressure of value 5 on MIDI channel 1")},
        {sequenceEvent(ev(Bend, 1, RX(0, 127), RY(127, 0))),
         stored(" Pitch Bend with the LSB value obtained from the incoming X value and scaled to "
                "the outgoing range 0 - 127, and with the MSB value obtained from the incoming Y "
                "value and scaled to the outgoing range 127 - 0, on MIDI channel 1")},
        {sequenceEvent(ev(Bend, 1, V(1), F(64))),
         stored(" Pitch Bend of LSB value obtained from \"variable 1\" of MSB value 64 on MIDI "
                "channel 1")},
        {sequenceEvent(ev(Bend, 1, F(0), V(2))),
         stored(" Pitch Bend LSB 0 of MSB value obtained from \"variable 2\" on MIDI channel 1")},
        {sequenceEvent(ev(SongPos, RX(1, 2), F(3))),
         stored(" Song Position Pointer with the LSB value obtained from the incoming X value and "
                "scaled to the outgoing range 1 - 2, and of MSB value 3")},
        {sequenceEvent(ev(SongPos, V(1), RY(4, 5))),
         stored(
             " Song Position Pointer of LSB value obtained from \"variable 1\" with the MSB "
             "value obtained from the incoming Y value and scaled to the outgoing range 4 - 5,")},
        {sequenceEvent(ev(SongPos, F(1), F(2))),
         stored(" Song Position Pointer LSB 1 of MSB value 2")},
        {sequenceEvent(ev(SongSel, RX(3, 4))),
         stored(" Song Select with the value obtained from the incoming X value and scaled to the "
                "outgoing range 3 - 4,")},
        {sequenceEvent(ev(SongSel, V(1))),
         stored(" Song Select of value obtained from \"variable 1\"")},
        {sequenceEvent(ev(SongSel, F(7))), stored(" Song Select of value 7")},
        {sequenceEvent(sx("F0 43 XX YY F7", R(1, 2), R(3, 4))),
         stored(" System Exclusive event F0 43 XX YY F7 with XX obtained from the incoming X value "
                "scaled to the outgoing range 1 - 2, and with YY obtained from the incoming Y "
                "value scaled to the outgoing range 3 - 4")},
        {sequenceEvent(sx("F0 43 YY V1 F7", {}, R(3, 4))),
         stored(" System Exclusive event F0 43 YY V1 F7 with YY obtained from the incoming Y "
                "value scaled to the outgoing range 3 - 4")},
        {sequenceEvent(ev(Stop)), stored(" MIDI Stop event")},
        {sequenceEvent(ev(Start)), stored(" MIDI Start event")},
        {sequenceEvent(ev(Continue)), stored(" MIDI Continue event")},
        {sequenceEvent(ev(Clock)).stop(),
         "{ Setting #1: Sequence Event: MIDI Timing Clock event. If this setting is executed, stop "
         "processing settings }"},
    });
}

TEST(RuleComment, StoreAValueInAVariable) {
    expectComments({
        {store(ev(Control, 1, F(2), RY(0, 127)), 0, 1, {}, R(20, 127)),
         "{ Setting #1: With incoming Control Change #2 events of values 0 - 127 on MIDI channel "
         "1, store the Control Change value scaled to the outgoing range 20 - 127 in \"variable "
         "1\". Continue to process settings }"},
        {store(ev(NoteOff, 1, AX(), AY()), 1, 2),
         "{ Setting #1: With all incoming Note-Off events on MIDI channel 1, store the Note number "
         "in \"variable 1\", and the velocity in \"variable 2\". Continue to process settings }"},
        {store(ev(NoteOn, kAllChannels, F(60), AY()), 0, 1),
         "{ Setting #1: With all incoming Note-On #60 events on all MIDI channels, store the "
         "velocity in \"variable 1\". Continue to process settings }"},
        {store(ev(KeyPressure, 1, RX(10, 20), F(5)), 3, 0),
         "{ Setting #1: With incoming Note #10 - 20 Key Pressure events of value 5 on MIDI channel "
         "1, store the Note number in \"variable 3\". Continue to process settings }"},
        {store(ev(KeyPressure, 1, F(60), RY(1, 2)), 0, 1, {}, R(2, 1)),
         "{ Setting #1: With incoming Note #60 Key Pressure events of values 1 - 2 on MIDI channel "
         "1, store the pressure value scaled to the outgoing range 2 - 1 in \"variable 1\". "
         "Continue to process settings }"},
        {store(ev(Control, 1, AX(), F(0)), 2, 0),
         "{ Setting #1: With all incoming Control Change events of value 0 on MIDI channel 1, "
         "store the Control Change number in \"variable 2\". Continue to process settings }"},
        {store(ev(Program, 1, RX(1, 9)), 1, 0, R(9, 1)),
         "{ Setting #1: With incoming Program Change #1 - 9 events on MIDI channel 1, store the "
         "Program Change number scaled to the outgoing range 9 - 1 in \"variable 1\". Continue to "
         "process settings }"},
        {store(ev(Pressure, 1, AX()), 1, 0),
         "{ Setting #1: With all incoming Channel Pressure events on MIDI channel 1, store the "
         "Channel Pressure value in \"variable 1\". Continue to process settings }"},
        {store(ev(Bend, 1, RX(1, 2), RY(3, 4)), 1, 2, R(5, 6)),
         "{ Setting #1: With incoming Pitch Bend events of LSB values 1 - 2 and MSB values 3 - 4 "
         "on MIDI channel 1, store the Pitch Bend LSB value scaled to the outgoing range 5 - 6 in "
         "\"variable 1\", and the Pitch Bend MSB value in \"variable 2\". Continue to process "
         "settings }"},
        {store(ev(Bend, 1, AX(), RY(3, 4)), 0, 1),
         "{ Setting #1: With incoming Pitch Bend events of MSB values 3 - 4 on MIDI channel 1, "
         "store the Pitch Bend MSB value in \"variable 1\". Continue to process settings }"},
        {store(ev(SongPos, AX(), AY()), 0, 1),
         "{ Setting #1: With all incoming Song Position Pointer events, store the Song Position "
         "Pointer MSB value in \"variable 1\". Continue to process settings }"},
        {store(ev(SongPos, RX(0, 1), F(2)), 1, 0),
         "{ Setting #1: With incoming Song Position Pointer events of LSB values 0 - 1 and MSB "
         "value 2, store the Song Position Pointer LSB value in \"variable 1\". Continue to "
         "process settings }"},
        {store(ev(SongSel, AX()), 2, 0),
         "{ Setting #1: With all incoming Song Select events, store the Song Select value in "
         "\"variable 2\". Continue to process settings }"},
        {store(sx("F0 43 10 XX F7"), 1, 0),
         "{ Setting #1: With the incoming System Exclusive event F0 43 10 XX F7 with XX in the "
         "range 0 - 127, store the value of XX in \"variable 1\". Continue to process settings }"},
        {store(sx("F0 XX YY F7", R(1, 2), R(3, 4)), 1, 2, {}, R(5, 6)).number(3).off().stop(),
         "{ Setting #3 (Powers up in the OFF state): With the incoming System Exclusive event F0 "
         "XX YY F7 with XX in the range 1-2 and YY in the range 3-4, store the value of XX in "
         "\"variable 1\", and the value of YY scaled to the outgoing range 5 - 6 in \"variable "
         "2\". Continue to process settings }"},
    });
}

}  // namespace
}  // namespace corlinth
