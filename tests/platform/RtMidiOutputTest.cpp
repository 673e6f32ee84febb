#include <gtest/gtest.h>

#include <QUuid>
#include <cstdlib>
#include <string>

#include "platform/RtMidiOutput.h"

namespace corlinth::platform {
namespace {

// Points JACK at a server that does not exist and keeps clients from starting one.
class NoJackServer {
  public:
    NoJackServer() {
        const std::string name =
            "corlinth-absent-" + QUuid::createUuid().toString(QUuid::Id128).toStdString();
        setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
        setenv("JACK_NO_START_SERVER", "1", 1);
    }
    ~NoJackServer() { unsetenv("JACK_DEFAULT_SERVER"); }
};

TEST(RtMidiOutput, WithoutAJackServerListsNothingAndFailsQuietly) {
    const NoJackServer absent;
    ::testing::internal::CaptureStderr();
    RtMidiOutput output(MidiApi::Jack);
    EXPECT_TRUE(output.listPorts().empty());
    EXPECT_TRUE(output.listPorts().empty());
    EXPECT_FALSE(output.open(0));
    EXPECT_FALSE(output.lastError().empty());
    EXPECT_FALSE(output.isOpen());
    EXPECT_FALSE(output.sendShort({0x90, 0x3C, 0x64}));
    EXPECT_FALSE(output.sendLong({0xF0, 0x00, 0x00, 0x50, 0x04, 0x01, 0x00, 0xF7}));
    EXPECT_TRUE(output.close());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(RtMidiOutput, TheAlsaSequencerListsWhatItHasAndNeverThrows) {
    ::testing::internal::CaptureStderr();
    RtMidiOutput output(MidiApi::Alsa);
    const std::vector<MidiPort> ports = output.listPorts();
    // Whatever this computer has: no port appears twice under one number, and a number that
    // was not listed cannot be opened.
    for (std::size_t i = 1; i < ports.size(); ++i) {
        EXPECT_GT(ports[i].id, ports[i - 1].id);
    }
    EXPECT_FALSE(output.open(100000));
    EXPECT_FALSE(output.sendShort({0xB0, 0x40, 0x7F}));
    const std::string printed = ::testing::internal::GetCapturedStderr();
    if (ports.empty()) {
        EXPECT_EQ(printed, "");
    }
}

TEST(RtMidiOutput, RefusesMessagesThatAreNotShort) {
    const NoJackServer absent;
    RtMidiOutput output(MidiApi::Jack);
    EXPECT_FALSE(output.sendShort({0xF0, 0x00, 0x00, 0x50}));
    EXPECT_FALSE(output.lastError().empty());
}

}  // namespace
}  // namespace corlinth::platform
