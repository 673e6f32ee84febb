#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/document/Bytes.h"

namespace corlinth {

// The frame every MIDI file of the program shares (the settings export and the routing and
// velocity documents): format 0, one track, 96 ticks per quarter note, a 4/4 time signature,
// tempo 500000 microseconds per quarter note and the maker's notice as a Copyright event of
// exactly 28 bytes. Readers check these files by position, so the sizes are fixed.
namespace midiFile {
inline constexpr std::string_view notice = "Copyright Quarnell Corlinth.";
static_assert(notice.size() == 28, "the readers of the program's files count on 28 bytes");

// Offset of the track length, the number of bytes after its own four.
inline constexpr std::size_t trackLengthOffset = 18;
// The header chunk, "MTrk", the track length and the fixed events.
inline constexpr std::size_t headSize = 69;
// The fixed events' share of the track length.
inline constexpr std::size_t fixedEventsSize = headSize - trackLengthOffset - 4;

inline constexpr std::array<Byte, 4> endOfTrack{0x00, 0xFF, 0x2F, 0x00};
}  // namespace midiFile

// The first 69 bytes of every file: the header chunk, the track chunk's type and length, and
// the fixed events (time signature, tempo, Copyright notice), each after a delta of 0.
Bytes midiFileHead(std::uint32_t trackLength);

}  // namespace corlinth
