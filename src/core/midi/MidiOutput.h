#pragma once

#include <string>
#include <vector>

#include "core/document/Bytes.h"

namespace corlinth {

struct MidiPort {
    std::string name;
    int id = -1;  // what open() takes; stable for one listing
    bool operator==(const MidiPort&) const = default;
};

// The MIDI output the program sends through. Every call reports success or failure, so that
// the caller can give the program's own error texts; nothing throws. With no MIDI system
// present the list is empty.
class MidiOutput {
  public:
    virtual ~MidiOutput() = default;

    virtual std::vector<MidiPort> listPorts() = 0;
    virtual bool open(int portId) = 0;
    // A message of up to three bytes, sent as one short message.
    virtual bool sendShort(const Bytes& message) = 0;
    // A whole System Exclusive message; it has been handed over completely when this returns.
    virtual bool sendLong(const Bytes& message) = 0;
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
};

}  // namespace corlinth
