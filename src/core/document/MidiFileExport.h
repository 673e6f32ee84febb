#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/document/Bytes.h"
#include "core/document/EditorProfile.h"
#include "core/document/Extraction.h"

namespace corlinth {

// How a product's settings documents become a Standard MIDI File that a player can send to
// the unit. The messages are spaced by the file's delta times the way transmission spaces
// them on the wire (96 ticks a quarter note at 120 beats a minute: 2 ticks are about 10 ms).
struct MidiExportProfile {
    // After the first message: 1024 ticks (88 00); the rule units take 512 (84 00).
    Bytes deltaAfterFirstMessage;
    // Before a further message that is neither System Exclusive nor after a blank line:
    // 0 ticks; the rule units' event lines follow their message after 4 ticks.
    Bytes deltaBeforeFollowingMessage;
    // The rule units refuse real-time and song messages and add companion notes to the event
    // lines of their settings.
    bool ruleUnit = false;
};

// The export profile of a text editor: one for the rule units, one for all the others.
const MidiExportProfile& midiExportProfile(const EditorProfile& editor);

// The warning that stops an export on a drive with this much free space, if any.
std::optional<std::string_view> freeSpaceWarning(std::uint64_t freeBytes);

// For the rule units, run before the save dialog: the warning that refuses the export when a
// message of the document begins with a status byte a file cannot carry (Song Position
// Pointer, Song Select, Clock, Start, Continue, Stop; the first of these in that order).
// Nothing for a document that can be exported, and always nothing for the other products.
// `parser` reads a line as it is sent (the rule units read their placeholders as 00).
std::optional<std::string_view> midiExportRefusal(std::span<const std::string> lines,
                                                  const MidiExportProfile& profile,
                                                  const MessageExtractor::LineParser& parser);

// The first pass over the document: the track length, every byte after the length field.
std::uint32_t midiTrackLength(std::span<const std::string> lines, const MidiExportProfile& profile,
                              const MessageExtractor::LineParser& parser);

// The whole file: the head with the counted track length, then a second pass writing the
// messages with their deltas, then the closing events.
Bytes exportMidiFile(std::span<const std::string> lines, const MidiExportProfile& profile,
                     const MessageExtractor::LineParser& parser);

}  // namespace corlinth
