#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/ProductRegistry.h"
#include "core/midi/FirmwareFileBuilder.h"
#include "core/midi/TransmissionEngine.h"
#include "core/midi/TransmissionRecorder.h"
#include "core/midi/TransmissionTexts.h"
#include "core/midi/VirtualClock.h"

namespace corlinth {
namespace {

using testing::EventLog;
using testing::RecordingMidiOutput;
using testing::RecordingView;
using Log = std::vector<std::string>;

const std::string kLineA = "F0 00 00 50 04 02 40 7F 00 F7";
const std::string kLineC = "F0 00 00 50 04 00 01 00 F7";

// The document of three steps: A, two short messages, C.
const std::vector<std::string> kThreeSteps{
    kLineA, "{ Control Change 64 }", "", "B0 07 00", "90 3C 40", "", kLineC,
};

Log joined(Log first, const Log& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// The counting pass has opened the port.
const Log kOpened{"0 caption Transmit Settings", "0 caret start", "0 caption -", "0 open 3"};

class TransmissionEngineTest : public ::testing::Test {
  public:
    void make(std::string_view product = "Pirrow", PlatformMode mode = PlatformMode::Windows) {
        engine.emplace(port, clock, view, *findProduct(product), mode);
        clock.setHandler([this](TransmissionTimer t) { engine->timerFired(t); });
        log.entries.clear();
    }
    void makeText(const std::vector<std::string>& lines, std::string_view product = "Pirrow",
                  PlatformMode mode = PlatformMode::Windows) {
        make(product, mode);
        ASSERT_TRUE(engine->setTextDocument(lines));
    }
    void pressAt(std::int64_t t, const MidiPort& chosen = {"USB MIDI", 3}) {
        clock.advanceBy(t - clock.now());
        engine->press(chosen);
    }
    void finish() {
        ASSERT_TRUE(clock.runUntilIdle());
        EXPECT_FALSE(engine->isTransmitting());
        EXPECT_FALSE(port.isOpen());
    }
    // The times at which the port received something, one per call.
    std::vector<std::int64_t> sendTimes() const {
        std::vector<std::int64_t> times;
        for (const std::string& e : log.entries) {
            if (e.find(" short ") != std::string::npos || e.find(" long ") != std::string::npos) {
                times.push_back(std::stoll(e));
            }
        }
        return times;
    }

    VirtualClock clock;
    EventLog log{clock};
    RecordingMidiOutput port{log};
    RecordingView view{log, clock};
    std::optional<TransmissionEngine> engine;
};

TEST_F(TransmissionEngineTest, ShortMessagesRideAlongAndTheCaptionCountsTheSteps) {
    makeText(kThreeSteps);
    pressAt(0);
    finish();
    // The counting pass takes 537 ms and 2 ms and sends nothing; then A goes out at once, the
    // two short messages together after Pirrow's first-message interval, C 1333 ms later.
    EXPECT_EQ(log.entries, joined(kOpened, {
                                               "539 caret end",
                                               "539 caret start",
                                               "539 long F0 00 00 50 04 02 40 7F 00 F7",
                                               "539 caption Sending 1 of 3  (click to cancel)",
                                               "2872 short B0 07 00",
                                               "2872 short 90 3C 40",
                                               "2872 caption Sending 2 of 3  (click to cancel)",
                                               "4205 long F0 00 00 50 04 00 01 00 F7",
                                               "4205 caret end",
                                               "4205 caption Sending 3 of 3  (click to cancel)",
                                               "4605 caption T r a n s m i t   C o m p l e t e !",
                                               "4705 close",
                                               "7605 caption Transmit Settings",
                                           }));
    // Each pass selects the line being sent, counting a line break as two characters.
    EXPECT_EQ(view.highlights, (Log{
                                   "0 line 0 (0, 29)",
                                   "537 line 3 (56, 8)",
                                   "537 line 4 (66, 8)",
                                   "539 line 6 (78, 26)",
                                   "539 line 0 (0, 29)",
                                   "2872 line 3 (56, 8)",
                                   "2872 line 4 (66, 8)",
                                   "4205 line 6 (78, 26)",
                               }));
    EXPECT_EQ(engine->state().total, 3);
}

TEST_F(TransmissionEngineTest, OneMessageGoesOutAtThePressAndCompletes400msLater) {
    makeText({kLineA, "{ Control Change 64 }"});
    pressAt(0);
    finish();
    EXPECT_EQ(log.entries, joined(kOpened, {
                                               "0 caret end",
                                               "0 caption Sending 1 of 1  (click to cancel)",
                                               "0 caret start",
                                               "0 long F0 00 00 50 04 02 40 7F 00 F7",
                                               "0 caret end",
                                               "400 caption T r a n s m i t   C o m p l e t e !",
                                               "500 close",
                                               "3400 caption Transmit Settings",
                                           }));
}

struct IntervalCase {
    const char* product;
    std::vector<std::int64_t> sends;
};

class FirstMessageInterval : public TransmissionEngineTest,
                             public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(FirstMessageInterval, FollowsTheFirstMessageThen1333ms) {
    makeText({kLineA, "", kLineC, "", kLineA}, GetParam().product);
    pressAt(0);
    finish();
    EXPECT_EQ(sendTimes(), GetParam().sends);
}

INSTANTIATE_TEST_SUITE_P(Products, FirstMessageInterval,
                         ::testing::Values(IntervalCase{"Pirrow", {539, 2872, 4205}},
                                           IntervalCase{"Kelto", {539, 4872, 6205}},
                                           IntervalCase{"Hennic", {539, 1872, 3205}}),
                         [](const auto& info) { return std::string(info.param.product); });

struct SendCase {
    const char* name;
    PlatformMode mode;
    std::string line;
    Log sends;
};

class SendMessage : public TransmissionEngineTest,
                    public ::testing::WithParamInterface<SendCase> {};

TEST_P(SendMessage, HandsTheBytesToThePortAsTheModeWants) {
    const SendCase& c = GetParam();
    makeText({c.line}, "Pirrow", c.mode);
    pressAt(0);
    finish();
    Log sends;
    for (const std::string& e : log.entries) {
        if (e.find(" short ") != std::string::npos || e.find(" long ") != std::string::npos) {
            sends.push_back(e.substr(e.find(' ') + 1));
        }
    }
    EXPECT_EQ(sends, c.sends);
}

std::string longSystemExclusive() {
    std::string line = "F0";
    for (int i = 0; i < 128; ++i) {
        line += " 01";
    }
    return line + " F7";
}

INSTANTIATE_TEST_SUITE_P(
    BothModes, SendMessage,
    ::testing::Values(
        // Mac mode: three-byte groups, the last one filled with two Active Sensing bytes.
        SendCase{"MacTenBytes",
                 PlatformMode::Mac,
                 "F0 00 00 50 04 00 01 02 03 F7",
                 {"short F0 00 00", "short 50 04 00", "short 01 02 03", "short F7 FE FE"}},
        SendCase{"MacTwelveBytes",
                 PlatformMode::Mac,
                 "F0 00 00 50 04 00 01 02 03 04 05 F7",
                 {"short F0 00 00", "short 50 04 00", "short 01 02 03", "short 04 05 F7"}},
        SendCase{"MacThreeBytes", PlatformMode::Mac, "B0 07 00", {"short B0 07 00"}},
        SendCase{"MacTwoBytes", PlatformMode::Mac, "C0 05", {"short C0 05 FE"}},
        // Windows mode: up to three bytes one short message as they stand, longer ones whole.
        SendCase{"WindowsSystemExclusive",
                 PlatformMode::Windows,
                 "F0 00 00 50 04 00 01 02 03 F7",
                 {"long F0 00 00 50 04 00 01 02 03 F7"}},
        SendCase{"WindowsTwoBytes", PlatformMode::Windows, "C0 05", {"short C0 05"}},
        SendCase{"WindowsSixShortBytes",
                 PlatformMode::Windows,
                 "90 3C 40 80 3C 00",
                 {"long 90 3C 40 80 3C 00"}},
        // 130 bytes: the two length bytes of the file form do not reach the port.
        SendCase{"WindowsTwoLengthBytes",
                 PlatformMode::Windows,
                 longSystemExclusive(),
                 {"long " + longSystemExclusive()}}),
    [](const auto& info) { return std::string(info.param.name); });

// A press from the end of a pass until the caption is back only restores the caption.
struct LatePressCase {
    std::int64_t at;
    Log afterwards;
};

class PressAfterThePass : public TransmissionEngineTest,
                          public ::testing::WithParamInterface<LatePressCase> {};

TEST_P(PressAfterThePass, OnlyRestoresTheCaption) {
    makeText({kLineA});
    pressAt(0);
    clock.advanceBy(GetParam().at);
    const std::size_t before = log.entries.size();
    engine->press({"USB MIDI", 3});
    finish();
    // No pass, and no completion text later either.
    EXPECT_EQ(Log(log.entries.begin() + static_cast<std::ptrdiff_t>(before), log.entries.end()),
              GetParam().afterwards);
    EXPECT_EQ(sendTimes(), std::vector<std::int64_t>{0});
}

INSTANTIATE_TEST_SUITE_P(
    Times, PressAfterThePass,
    ::testing::Values(
        // Before the completion text, while it shows, and just before the caption returns.
        LatePressCase{200, {"200 caption Transmit Settings", "500 close"}},
        LatePressCase{450, {"450 caption Transmit Settings", "500 close"}},
        LatePressCase{3399, {"3399 caption Transmit Settings"}}));

TEST_F(TransmissionEngineTest, APressAfterTheCaptionIsBackStartsANewPass) {
    makeText({kLineA});
    pressAt(0);
    pressAt(3400);
    finish();
    EXPECT_EQ(sendTimes(), (std::vector<std::int64_t>{0, 3400}));
}

TEST_F(TransmissionEngineTest, ASecondPressCancelsAtOnceAndThePortClosesLater) {
    makeText(kThreeSteps);
    pressAt(0);
    clock.advanceBy(1000);
    log.entries.clear();
    pressAt(1000);
    EXPECT_FALSE(engine->isTransmitting());
    EXPECT_FALSE(engine->isTimerRunning(TransmissionTimer::Step));
    finish();
    EXPECT_EQ(log.entries, (Log{
                               "1000 caption Transmit Settings",
                               "1000 caret end",
                               "1500 close",
                           }));
}

TEST_F(TransmissionEngineTest, APressDuringTheCountingPassStopsItAndClosesThePort) {
    makeText({kLineA, kLineC, kLineA, kLineC});
    pressAt(0);
    clock.advanceBy(538);
    log.entries.clear();
    pressAt(538);
    finish();
    EXPECT_EQ(log.entries, (Log{
                               "538 caption Transmit Settings",
                               "538 caret end",
                               "1038 close",
                           }));
    EXPECT_FALSE(engine->state().counting);
    // And the next press opens the port again and sends everything.
    pressAt(5000);
    finish();
    EXPECT_EQ(sendTimes().size(), 4u);
}

TEST_F(TransmissionEngineTest, APressSoonAfterACancelClosesTheOldPortFirst) {
    makeText({kLineA, kLineC});
    pressAt(0);
    pressAt(1000);  // cancel; the port would close at 1500
    log.entries.clear();
    pressAt(1200);
    finish();
    EXPECT_EQ(log.entries, (Log{
                               "1200 caption Transmit Settings",
                               "1200 caret start",
                               "1200 caption -",
                               "1200 close",
                               "1200 open 3",
                               "1737 caret end",
                               "1737 caret start",
                               "1737 long F0 00 00 50 04 02 40 7F 00 F7",
                               "1737 caption Sending 1 of 2  (click to cancel)",
                               "4070 long F0 00 00 50 04 00 01 00 F7",
                               "4070 caret end",
                               "4070 caption Sending 2 of 2  (click to cancel)",
                               "4470 caption T r a n s m i t   C o m p l e t e !",
                               "4570 close",
                               "7470 caption Transmit Settings",
                           }));
}

TEST_F(TransmissionEngineTest, ADocumentWithoutMessagesReturnsToRestAndClosesThePort) {
    makeText({"{ only a comment }", "", "( and another )"});
    pressAt(0);
    EXPECT_FALSE(engine->isTransmitting());
    finish();
    EXPECT_EQ(log.entries, (Log{
                               "0 caption Transmit Settings",
                               "0 caret start",
                               "0 caption -",
                               "0 open 3",
                               "0 caption Transmit Settings",
                               "500 close",
                           }));
    pressAt(1000);
    finish();
    EXPECT_EQ(log.entries.back(), "1500 close");
}

TEST_F(TransmissionEngineTest, ClosingTheWindowStopsThePassAndThePortClosesLater) {
    makeText(kThreeSteps);
    pressAt(0);
    clock.advanceBy(538);  // still counting
    log.entries.clear();
    engine->windowClosed();
    finish();
    EXPECT_EQ(log.entries, (Log{"538 caption Transmit Settings", "1038 close"}));
}

// A rule unit's catalogue reads its placeholders as 00 for sending.
class PlaceholderCatalogue final : public TextCatalogue {
  public:
    std::string_view dialogFor(const Bytes&) const override { return {}; }
    std::span<const SettingMenuItem> settingMenu() const override { return {}; }
    Bytes bytesForSending(std::string_view line) const override {
        std::string text(line);
        for (std::size_t at = text.find("xx"); at != std::string::npos; at = text.find("xx")) {
            text.replace(at, 2, "00");
        }
        return parseLine(text);
    }
};

TEST_F(TransmissionEngineTest, ReadsTheLinesAsTheProductsCatalogueDoes) {
    const PlaceholderCatalogue catalogue;
    make("Vantrel");
    ASSERT_TRUE(engine->setTextDocument({"F0 00 00 50 29 10 xx 7F F7"}, sendingParser(&catalogue)));
    pressAt(0);
    finish();
    EXPECT_EQ(log.entries[7], "0 long F0 00 00 50 29 10 00 7F F7");
}

// ---- failures ----

struct FailureCase {
    const char* name;
    std::function<void(TransmissionEngineTest&)> prepare;
    Log expected;
};

class TransmissionFailure : public TransmissionEngineTest,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(TransmissionFailure, GivesTheProgramsMessageAndEndsCleanly) {
    GetParam().prepare(*this);
    ASSERT_TRUE(clock.runUntilIdle());
    EXPECT_EQ(log.entries, GetParam().expected);
    EXPECT_FALSE(engine->isTransmitting());
    EXPECT_FALSE(port.isOpen());
}

const std::vector<std::string> kTwoSteps{kLineA, "", kLineC};

// The two-step document pressed at 0, the port failing as `fail` makes it.
std::function<void(TransmissionEngineTest&)> twoSteps(
    std::function<void(RecordingMidiOutput&)> fail) {
    return [fail](TransmissionEngineTest& t) {
        t.makeText(kTwoSteps);
        fail(t.port);
        t.pressAt(0);
    };
}

// It took 537 ms, and the real pass has sent the first message.
const Log kFirstSent =
    joined(kOpened, {"537 caret end", "537 caret start", "537 long F0 00 00 50 04 02 40 7F 00 F7"});
// And the second one, without fault, up to the completion text.
const Log kTwoStepsSent =
    joined(kFirstSent,
           {"537 caption Sending 1 of 2  (click to cancel)", "2870 long F0 00 00 50 04 00 01 00 F7",
            "2870 caret end", "2870 caption Sending 2 of 2  (click to cancel)",
            "3270 caption T r a n s m i t   C o m p l e t e !"});

FirmwareImage hennicFirmware() {
    testing::FirmwareFile file;
    file.messages = {{0xF0, 0x00, 0x00, 0x50, 0x17, 0x01, 0x02, 0x03, 0xF7},
                     {0xF0, 0x10, 0xF7},
                     {0xF0, 0x7F, 0x7F, 0xF7}};
    return *FirmwareImage::decode(file.build(), 0x17);
}

std::vector<std::optional<Bytes>> daskinSteps() {
    std::vector<std::optional<Bytes>> steps(11);
    for (std::size_t i = 0; i < steps.size(); i += 2) {
        steps[i] = Bytes{0xF0, 0x00, 0x00, 0x50, 0x01, static_cast<Byte>(i), 0xF7};
    }
    return steps;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransmissionFailure,
    ::testing::Values(
        FailureCase{"NoPortChosen",
                    [](auto& t) {
                        t.makeText(kTwoSteps);
                        t.pressAt(0, MidiPort{});
                    },
                    {"0 caption Transmit Settings", "0 information No MIDI interfaces detected"}},
        FailureCase{"OpeningFails", twoSteps([](auto& port) { port.failOpen = true; }),
                    joined(kOpened, {"0 warning Error opening MIDI output device",
                                     "0 caption Transmit Settings"})},
        // The port closes at once, the pass ends at the step, no completion text.
        FailureCase{"SendingFails", twoSteps([](auto& port) { port.failingSends = {1}; }),
                    joined(kFirstSent, {"537 caption Sending 1 of 2  (click to cancel)",
                                        "2870 long F0 00 00 50 04 00 01 00 F7", "2870 close",
                                        "2870 warning Error sending MIDI data", "2870 caret end",
                                        "2870 caption Sending 2 of 2  (click to cancel)",
                                        "5870 caption Transmit Settings"})},
        FailureCase{
            "SendingTheFirstMessageFails", twoSteps([](auto& port) { port.failingSends = {0}; }),
            joined(kFirstSent, {"537 close", "537 warning Error sending MIDI data", "537 caret end",
                                "537 caption Sending 1 of 2  (click to cancel)",
                                "3537 caption Transmit Settings"})},
        // A one-step document that fails shows no completion text either.
        FailureCase{"MacModeStopsAtTheFailingGroup",
                    [](auto& t) {
                        t.makeText({"F0 00 00 50 04 00 01 02 03 F7"}, "Pirrow", PlatformMode::Mac);
                        t.port.failingSends = {1};
                        t.pressAt(0);
                    },
                    joined(kOpened, {"0 caret end", "0 caption Sending 1 of 1  (click to cancel)",
                                     "0 caret start", "0 short F0 00 00", "0 short 50 04 00",
                                     "0 close", "0 warning Error sending MIDI data", "0 caret end",
                                     "3000 caption Transmit Settings"})},
        FailureCase{
            "StructuredSendingFails",
            [](auto& t) {
                t.make("Daskin");
                t.engine->setStructuredSteps(daskinSteps(), daskinProfile);
                t.port.failingSends = {1};
                t.pressAt(0);
            },
            {"0 caption Transmit Settings", "0 caption -", "0 open 3",
             "537 long F0 00 00 50 01 00 F7", "537 caption Transmitting...  (click to cancel)",
             "557 caption Transmitting...  (click to cancel)", "577 long F0 00 00 50 01 02 F7",
             "577 close", "577 warning Error sending MIDI data", "577 caret end",
             "577 caption Transmitting...  (click to cancel)", "3577 caption Transmit Settings"}},
        FailureCase{
            "ClosingFails", twoSteps([](auto& port) { port.failClose = true; }),
            joined(kTwoStepsSent, {"3370 close", "3370 warning Error closing MIDI output device",
                                   "6270 caption Transmit Settings"})},
        FailureCase{"FirmwareOpeningFails",
                    [](auto& t) {
                        t.make("Hennic");
                        t.engine->enterFirmwareMode(hennicFirmware());
                        t.port.failOpen = true;
                        t.pressAt(0);
                    },
                    {"0 caption Start Firmware Update", "50 open 3",
                     "50 warning Error opening MIDI output device"}},
        // The update stops at the failure instead of sending on into a closed port.
        FailureCase{"FirmwareSendingFails",
                    [](auto& t) {
                        t.make("Hennic");
                        t.engine->enterFirmwareMode(hennicFirmware());
                        t.port.failingSends = {2};
                        t.pressAt(0);
                    },
                    {"0 caption Start Firmware Update", "50 open 3",
                     "50 caption Starting in 10 seconds...", "100 long F0 00 00 50 17 75 F7",
                     "150 long F0 00 00 50 17 75 F7", "200 long F0 00 00 50 17 75 F7", "200 close",
                     "200 warning Error sending MIDI data", "3200 caption Start Firmware Update"}},
        // Closing fails while another message is showing: that message is enough.
        FailureCase{"ClosingFailsUnderAnotherMessage",
                    [](auto& t) {
                        twoSteps([](auto& port) { port.failClose = true; })(t);
                        t.clock.advanceBy(3300);
                        t.view.boxVisible = true;
                    },
                    joined(kTwoStepsSent, {"3370 close", "6270 caption Transmit Settings"})}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the structured editors ----

TEST_F(TransmissionEngineTest, DaskinSendsElevenStepsTwentyMillisecondsApart) {
    make("Daskin");
    ASSERT_TRUE(engine->setStructuredSteps(daskinSteps(), daskinProfile));
    pressAt(0);
    finish();
    // The empty slots take their tick without sending.
    EXPECT_EQ(sendTimes(), (std::vector<std::int64_t>{537, 577, 617, 657, 697, 737}));
    const Log tail(log.entries.end() - 5, log.entries.end());
    EXPECT_EQ(tail, (Log{
                        "737 caret end",
                        "737 caption Transmitting...  (click to cancel)",
                        "1137 caption T r a n s m i t   C o m p l e t e !",
                        "1237 close",
                        "4137 caption Transmit Settings",
                    }));
}

TEST_F(TransmissionEngineTest, OmbrelSendsTheCurvePointsEveryFiveMilliseconds) {
    make("Ombrel");
    std::vector<std::optional<Bytes>> steps(146);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i] = i < 19 ? Bytes{0xF0, 0x00, 0x00, 0x50, 0x09, static_cast<Byte>(i), 0xF7}
                          : Bytes{0xB0, 0x00, static_cast<Byte>(i - 18)};
    }
    ASSERT_TRUE(engine->setStructuredSteps(steps, ombrelProfile));
    pressAt(0);
    finish();
    const std::vector<std::int64_t> times = sendTimes();
    ASSERT_EQ(times.size(), 146u);
    EXPECT_EQ(times[0], 537);
    EXPECT_EQ(times[18], 537 + 18 * 20);  // the user-curve message
    EXPECT_EQ(times[19], 537 + 19 * 20);  // its first point still 20 ms after it
    EXPECT_EQ(times[20], 537 + 19 * 20 + 5);
    EXPECT_EQ(times[145], 537 + 19 * 20 + 126 * 5);
    EXPECT_EQ(log.entries[log.entries.size() - 5], "1547 caret end");
}

// ---- the firmware update ----

// Runs of equal port calls in one entry: "100..10000 x199 long F0 00 00 50 17 75 F7".
Log portCalls(const Log& entries) {
    Log out;
    std::string first, last, what;
    int count = 0;
    const auto flush = [&] {
        if (count == 1) {
            out.push_back(first + " " + what);
        } else if (count > 1) {
            out.push_back(first + ".." + last + " x" + std::to_string(count) + " " + what);
        }
    };
    for (const std::string& e : entries) {
        const std::string time = e.substr(0, e.find(' '));
        const std::string rest = e.substr(e.find(' ') + 1);
        if (rest.starts_with("caption") || rest.starts_with("caret")) {
            continue;
        }
        if (count > 0 && rest == what) {
            last = time;
            ++count;
            continue;
        }
        flush();
        first = last = time;
        what = rest;
        count = 1;
    }
    flush();
    return out;
}

Log captions(const Log& entries) {
    Log out;
    for (const std::string& e : entries) {
        if (e.find(" caption ") != std::string::npos) {
            out.push_back(e);
        }
    }
    return out;
}

TEST_F(TransmissionEngineTest, FirmwareCountsDownTenSecondsAskingForTheUpdateModeThenSends) {
    make("Hennic");
    ASSERT_TRUE(engine->enterFirmwareMode(hennicFirmware()));
    pressAt(0);
    finish();
    // A tick every 50 ms: the port opens at the first, the requests run from the 2nd to the
    // 200th, the firmware starts at the 201st.
    EXPECT_EQ(portCalls(log.entries), (Log{
                                          "50 open 3",
                                          "100..10000 x199 long F0 00 00 50 17 75 F7",
                                          "10050 long F0 00 00 50 17 01 02 03 F7",
                                          "10100 short F0 10 F7",
                                          "10150 long F0 7F 7F F7",
                                          "10150 close",
                                      }));
    EXPECT_EQ(captions(log.entries), (Log{
                                         "0 caption Start Firmware Update",
                                         "50 caption Starting in 10 seconds...",
                                         "1050 caption Starting in 9 seconds...",
                                         "2050 caption Starting in 8 seconds...",
                                         "3050 caption Starting in 7 seconds...",
                                         "4050 caption Starting in 6 seconds...",
                                         "5050 caption Starting in 5 seconds...",
                                         "6050 caption Starting in 4 seconds...",
                                         "7050 caption Starting in 3 seconds...",
                                         "8050 caption Starting in 2 seconds...",
                                         "9050 caption Starting in 1 seconds...",
                                         "10050 caption Transmitting Firmware Update...",
                                         "10150 caption T r a n s m i t   C o m p l e t e !",
                                         "13150 caption Start Firmware Update",
                                     }));
}

TEST_F(TransmissionEngineTest, AFirmwareUpdateIsNotInterruptedByAPressButByClosingTheWindow) {
    make("Hennic");
    ASSERT_TRUE(engine->enterFirmwareMode(hennicFirmware()));
    pressAt(0);
    pressAt(500);
    EXPECT_TRUE(engine->isTimerRunning(TransmissionTimer::Firmware));
    clock.advanceBy(500);
    log.entries.clear();
    engine->windowClosed();
    finish();
    EXPECT_EQ(log.entries, (Log{"1000 close", "1000 caption Start Firmware Update"}));
    // Firmware mode ends with "Program the Hennic...", and the button is the transmit button
    // again.
    EXPECT_TRUE(engine->leaveFirmwareMode());
    EXPECT_EQ(engine->caption(), "Transmit Settings");
}

}  // namespace
}  // namespace corlinth
