#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
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

// What the structured documents (routing and velocity) add to the frame: they write their
// events after the head, then fill in the track length; their readers check the head by
// position and read the comments Text event that may follow it.
namespace midiFile {

// Writes the number of bytes after the track length field into that field, so a writer
// appends its events first and never counts them twice.
void setTrackLength(Bytes& file);

// A delta 0 Text meta event carrying `bytes`: 00 FF 01, the length as a variable-length
// quantity, the bytes. Nothing is appended for empty bytes.
void appendTextEvent(Bytes& file, std::string_view bytes);

// What the structured documents' readers check of the head: offsets 0..17 (the track
// length is not checked), the time signature at 22..29 and the first six bytes of the tempo
// at 30..35. The last tempo byte and the whole Copyright event are not looked at, so any
// notice of 28 bytes is accepted.
bool headMatches(std::span<const Byte> file);

// A variable-length quantity read at `pos`, which moves past it. Up to five bytes are taken,
// enough for any 32-bit value; nullopt when the bytes run out or the value does not fit.
std::optional<std::uint32_t> readVariableLengthQuantity(std::span<const Byte> file,
                                                        std::size_t& pos);

// The comments of a structured document as the file holds them: line breaks become CR LF,
// and the text goes in code page 1252 when every character has a byte there (as files of
// this format have always been written), otherwise as UTF-8 so that nothing is lost.
std::string commentsToFileBytes(std::string_view utf8Text);

// The reverse: CR bytes are dropped and every LF starts a new line (CR LF in the document).
// Bytes that form valid UTF-8 are taken as UTF-8, anything else as code page 1252.
std::string commentsFromFileBytes(std::span<const Byte> bytes);

// Where the structured documents' own events begin, and their comments: from `headSize`
// zero bytes are skipped; when the first other byte is FF, a meta event of any type follows
// whose text becomes the comments. nullopt when the head does not match or an event runs
// past the end of the file.
struct StructuredFileStart {
    std::size_t next = 0;  // offset of the first byte after the comments
    std::string comments;  // UTF-8, lines separated by CR LF
};
std::optional<StructuredFileStart> readStructuredFileStart(std::span<const Byte> file);

}  // namespace midiFile
}  // namespace corlinth
