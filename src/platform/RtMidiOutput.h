#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/midi/MidiApi.h"
#include "core/midi/MidiOutput.h"

namespace corlinth::platform {

// The MIDI output through RtMidi: the ALSA sequencer, or JACK when asked for.
//
// Ports are numbered as RtMidi lists them; a port's ID is its position in that listing. As
// ports come and go between a listing and the opening, open() checks that the ID still names
// the port it named when last listed, and otherwise opens the port of that name, or fails.
//
// Nothing throws and nothing is printed: with no MIDI system present (no ALSA sequencer, no
// JACK server) the list is empty and opening fails, and RtMidi's errors come back as a false
// result with the message in lastError().
//
// sendShort and sendLong return once the whole message is handed over: through ALSA it has
// been passed to the sequencer; through JACK it is in RtMidi's buffer, which the next JACK
// cycle empties into the port, and close() waits for it to be emptied.
class RtMidiOutput final : public MidiOutput {
  public:
    explicit RtMidiOutput(MidiApi api, std::string clientName = "Quarnell Corlinth");
    ~RtMidiOutput() override;
    RtMidiOutput(const RtMidiOutput&) = delete;
    RtMidiOutput& operator=(const RtMidiOutput&) = delete;

    std::vector<MidiPort> listPorts() override;
    bool open(int portId) override;
    bool sendShort(const Bytes& message) override;
    bool sendLong(const Bytes& message) override;
    bool close() override;
    bool isOpen() const override;

    MidiApi api() const { return m_api; }
    // What the MIDI system said about the last call that failed.
    const std::string& lastError() const;

    struct State;

  private:
    MidiApi m_api;
    std::unique_ptr<State> m_state;
};

}  // namespace corlinth::platform
