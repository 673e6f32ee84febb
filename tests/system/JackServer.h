#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/document/Bytes.h"

namespace corlinth::testing {

// A JACK server of the tests' own: the dummy driver (no sound card), under a server name of
// the tests ("corlinth-test-N", the first one free), so that no other JACK server on the
// computer is touched. While it runs, this process's JACK clients (RtMidi's among them) find
// it through JACK_DEFAULT_SERVER, and no client starts a server of its own.
class JackServer {
  public:
    // Starts "jackd --no-realtime -n NAME -d dummy -r 48000 -p 256" and waits until it
    // answers. Check running() (and failure()) before use.
    JackServer();
    ~JackServer();
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    // Whether jackd and its tools are installed at all.
    static bool toolsInstalled();

    bool running() const { return m_running; }
    const std::string& failure() const { return m_failure; }
    const std::string& name() const { return m_name; }
    static constexpr int sampleRate = 48000;
    static constexpr int period = 256;

    // The environment for the JACK tools started against this server.
    QProcessEnvironment environment() const;
    // The ports the server knows ("jack_lsp"), empty when it does not answer.
    std::vector<std::string> ports() const;

  private:
    bool start();

    std::string m_name;
    std::string m_failure;
    QProcess m_jackd;
    bool m_running = false;
    int m_lock = -1;  // the name's lock file, held while the server runs
    std::string m_previousServer;
    bool m_hadPreviousServer = false;
};

// One message as jack_midi_dump received it, with its time in frames since the dump started.
struct ReceivedMessage {
    std::uint64_t frame = 0;
    Bytes bytes;
};

// A JACK client with one MIDI input port, CLIENT:input, that records every message sent to
// it with a sample-exact timestamp (jack_midi_dump -a).
class JackMidiDump {
  public:
    JackMidiDump(const JackServer& server, std::string clientName);
    ~JackMidiDump();
    JackMidiDump(const JackMidiDump&) = delete;
    JackMidiDump& operator=(const JackMidiDump&) = delete;

    bool running() const { return m_running; }
    const std::string& failure() const { return m_failure; }
    std::string portName() const { return m_client + ":input"; }

    // Waits up to `timeoutMs` until at least `count` messages have arrived; everything
    // received so far.
    std::vector<ReceivedMessage> waitForMessages(std::size_t count, int timeoutMs = 5000);

  private:
    void readOutput();

    std::string m_client;
    std::string m_failure;
    QProcess m_dump;
    bool m_running = false;
    std::string m_pending;
    std::vector<ReceivedMessage> m_received;
};

}  // namespace corlinth::testing
