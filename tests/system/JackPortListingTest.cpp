#include <gtest/gtest.h>

#include <algorithm>

#include "JackServer.h"
#include "platform/RtMidiOutput.h"

namespace corlinth {
namespace {

using testing::JackMidiDump;
using testing::JackServer;

// One server for the suite (it takes a while to come up); a receiving client per test.
class JackOutput : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (JackServer::toolsInstalled()) {
            server = new JackServer();
        }
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (server == nullptr) {
            GTEST_SKIP() << "jackd2 is not installed";
        }
        ASSERT_TRUE(server->running()) << server->failure();
        dump = std::make_unique<JackMidiDump>(*server, "corlinth-dump");
        ASSERT_TRUE(dump->running()) << dump->failure();
    }
    static JackServer* server;
    std::unique_ptr<JackMidiDump> dump;
};

JackServer* JackOutput::server = nullptr;

TEST_F(JackOutput, ListsTheInputPortOfAnotherClient) {
    platform::RtMidiOutput output(MidiApi::Jack);
    const std::vector<MidiPort> ports = output.listPorts();
    const auto found = std::find_if(ports.begin(), ports.end(), [&](const MidiPort& port) {
        return port.name == dump->portName();
    });
    ASSERT_NE(found, ports.end()) << "ports: " << ports.size();
    EXPECT_EQ(found->id, static_cast<int>(found - ports.begin()));
}

TEST_F(JackOutput, DeliversAWholeSystemExclusiveMessageAndAShortOne) {
    platform::RtMidiOutput output(MidiApi::Jack);
    int id = -1;
    for (const MidiPort& port : output.listPorts()) {
        if (port.name == dump->portName()) {
            id = port.id;
        }
    }
    ASSERT_GE(id, 0);
    ASSERT_TRUE(output.open(id)) << output.lastError();
    const Bytes sysex{0xF0, 0x00, 0x00, 0x50, 0x04, 0x02, 0x40, 0x7F, 0x00, 0xF7};
    const Bytes sustain{0xB0, 0x40, 0x7F};
    EXPECT_TRUE(output.sendLong(sysex)) << output.lastError();
    EXPECT_TRUE(output.sendShort(sustain)) << output.lastError();
    EXPECT_TRUE(output.close());

    const std::vector<testing::ReceivedMessage> received = dump->waitForMessages(2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].bytes, sysex);
    EXPECT_EQ(received[1].bytes, sustain);
    EXPECT_LE(received[0].frame, received[1].frame);
}

}  // namespace
}  // namespace corlinth
