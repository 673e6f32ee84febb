#include "core/document/MidiFileSkeleton.h"

namespace corlinth {

Bytes midiFileHead(std::uint32_t trackLength) {
    Bytes head;
    head.reserve(midiFile::headSize);
    head.insert(head.end(), {'M', 'T', 'h', 'd', 0x00, 0x00, 0x00, 0x06,  // header chunk
                             0x00, 0x00,                                  // format 0
                             0x00, 0x01,                                  // one track
                             0x00, 0x60,                                  // 96 ticks a quarter
                             'M', 'T', 'r', 'k'});
    for (int shift = 24; shift >= 0; shift -= 8) {
        head.push_back(static_cast<Byte>(trackLength >> shift));
    }
    // time signature 4/4, 24 MIDI clocks a click, 8 thirty-second notes a quarter note
    head.insert(head.end(), {0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08});
    // tempo 500000 microseconds a quarter note: 120 beats a minute
    head.insert(head.end(), {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    head.insert(head.end(), {0x00, 0xFF, 0x02, static_cast<Byte>(midiFile::notice.size())});
    for (char c : midiFile::notice) {
        head.push_back(static_cast<Byte>(c));
    }
    return head;
}

}  // namespace corlinth
