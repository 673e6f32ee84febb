#include "platform/RtMidiOutput.h"

#include <dlfcn.h>
#include <rtmidi/RtMidi.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <streambuf>

namespace corlinth::platform {
namespace {

// Our own output port's name, as other programs see it.
constexpr const char* kOutputPortName = "Output";
// RtMidi's JACK output keeps messages in a ring buffer of 16384 bytes, each with a length of
// its own, and drops a message that can never fit without a word. Refuse it instead.
constexpr std::size_t kJackLongestMessage = 16384 - 1 - sizeof(int);

// A stream buffer that swallows everything: RtMidi prints to std::cerr before it throws.
class Silence : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
};

// While it lives, std::cerr goes nowhere.
class QuietCerr {
  public:
    QuietCerr() : m_previous(std::cerr.rdbuf(&m_silence)) {}
    ~QuietCerr() { std::cerr.rdbuf(m_previous); }
    QuietCerr(const QuietCerr&) = delete;
    QuietCerr& operator=(const QuietCerr&) = delete;

  private:
    Silence m_silence;
    std::streambuf* m_previous;
};

// The JACK library prints its own complaints (no server, no socket) to the terminal. The
// library is loaded with RtMidi; its message handlers are set to silence when it is there.
void silenceJackLibrary() {
    using Handler = void (*)(const char*);
    using SetHandler = void (*)(Handler);
    static const bool done = [] {
        for (const char* name : {"jack_set_error_function", "jack_set_info_function"}) {
            if (void* symbol = dlsym(RTLD_DEFAULT, name)) {
                reinterpret_cast<SetHandler>(symbol)([](const char*) {});
            }
        }
        return true;
    }();
    (void)done;
}

// The ALSA sequencer is a kernel device; without it there is no ALSA MIDI at all, and asking
// RtMidi would only have the ALSA library print its complaint.
bool alsaSequencerPresent() {
    std::error_code error;
    return std::filesystem::exists("/dev/snd/seq", error);
}

RtMidi::Api rtMidiApi(MidiApi api) {
    return api == MidiApi::Jack ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA;
}

}  // namespace

struct RtMidiOutput::State {
    std::string clientName;
    std::unique_ptr<RtMidiOut> out;
    std::vector<MidiPort> listing;  // the last listing, to check IDs against on open
    std::string error;
    bool errorSeen = false;
    bool open = false;

    static void onError(RtMidiError::Type type, const std::string& text, void* self) {
        auto* state = static_cast<State*>(self);
        // RtMidi reports warnings (a port that vanished, a failed send) through the same
        // callback; every one of them means the call did not do its work.
        (void)type;
        state->errorSeen = true;
        state->error = text;
    }

    void beginCall() {
        errorSeen = false;
        error.clear();
    }
    bool fail(std::string text) {
        errorSeen = true;
        error = std::move(text);
        return false;
    }
};

RtMidiOutput::RtMidiOutput(MidiApi api, std::string clientName)
    : m_api(api), m_state(std::make_unique<State>()) {
    m_state->clientName = std::move(clientName);
}

RtMidiOutput::~RtMidiOutput() {
    close();
}

namespace {

// Creates RtMidi's client on first use, and again after a failure, so that a MIDI system
// started after the program is found at the next listing.
bool ensureClient(RtMidiOutput::State& state, MidiApi api) {
    if (state.out) {
        return true;
    }
    if (api == MidiApi::Alsa && !alsaSequencerPresent()) {
        return state.fail("No ALSA sequencer (/dev/snd/seq) on this computer.");
    }
    if (api == MidiApi::Jack) {
        silenceJackLibrary();
    }
    try {
        const QuietCerr quiet;
        auto out = std::make_unique<RtMidiOut>(rtMidiApi(api), state.clientName);
        out->setErrorCallback(&RtMidiOutput::State::onError, &state);
        state.out = std::move(out);
    } catch (const RtMidiError& error) {
        return state.fail(error.getMessage());
    }
    return true;
}

}  // namespace

std::vector<MidiPort> RtMidiOutput::listPorts() {
    State& state = *m_state;
    state.beginCall();
    std::vector<MidiPort> ports;
    if (!ensureClient(state, m_api)) {
        state.listing.clear();
        return ports;
    }
    const QuietCerr quiet;
    const unsigned int count = state.out->getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        std::string name = state.out->getPortName(i);
        // A port whose name cannot be read (it went while we listed) is left out; the others
        // keep their numbers.
        if (!name.empty()) {
            ports.push_back({std::move(name), static_cast<int>(i)});
        }
    }
    state.listing = ports;
    return ports;
}

bool RtMidiOutput::open(int portId) {
    close();
    State& state = *m_state;
    state.beginCall();
    if (!ensureClient(state, m_api)) {
        return false;
    }
    std::optional<std::string> listedName;
    for (const MidiPort& port : state.listing) {
        if (port.id == portId) {
            listedName = port.name;
        }
    }
    const QuietCerr quiet;
    const unsigned int count = state.out->getPortCount();
    std::optional<unsigned int> target;
    if (!listedName) {
        if (portId >= 0 && static_cast<unsigned int>(portId) < count) {
            target = static_cast<unsigned int>(portId);
        }
    } else if (portId >= 0 && static_cast<unsigned int>(portId) < count &&
               state.out->getPortName(static_cast<unsigned int>(portId)) == *listedName) {
        target = static_cast<unsigned int>(portId);
    } else {
        for (unsigned int i = 0; i < count && !target; ++i) {
            if (state.out->getPortName(i) == *listedName) {
                target = i;
            }
        }
    }
    state.beginCall();
    if (!target) {
        return state.fail(listedName ? "The MIDI port \"" + *listedName + "\" is gone."
                                     : "There is no MIDI port " + std::to_string(portId) + ".");
    }
    state.out->openPort(*target, kOutputPortName);
    if (state.errorSeen || !state.out->isPortOpen()) {
        if (!state.errorSeen) {
            state.fail("The MIDI port could not be opened.");
        }
        state.out->closePort();
        return false;
    }
    state.open = true;
    return true;
}

namespace {

bool send(RtMidiOutput::State& state, MidiApi api, const Bytes& message) {
    state.beginCall();
    if (!state.open) {
        return state.fail("The MIDI port is not open.");
    }
    if (message.empty()) {
        return state.fail("An empty MIDI message cannot be sent.");
    }
    if (api == MidiApi::Jack && message.size() > kJackLongestMessage) {
        return state.fail("The MIDI message is too long for the JACK output.");
    }
    const QuietCerr quiet;
    state.out->sendMessage(message.data(), message.size());
    return !state.errorSeen;
}

}  // namespace

bool RtMidiOutput::sendShort(const Bytes& message) {
    if (message.size() > 3) {
        m_state->beginCall();
        return m_state->fail("A short MIDI message has at most three bytes.");
    }
    return send(*m_state, m_api, message);
}

bool RtMidiOutput::sendLong(const Bytes& message) {
    return send(*m_state, m_api, message);
}

bool RtMidiOutput::close() {
    State& state = *m_state;
    state.beginCall();
    if (!state.open) {
        return true;
    }
    state.open = false;
    const QuietCerr quiet;
    state.out->closePort();
    return !state.errorSeen;
}

bool RtMidiOutput::isOpen() const {
    return m_state->open;
}

const std::string& RtMidiOutput::lastError() const {
    return m_state->error;
}

}  // namespace corlinth::platform
