#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/document/Bytes.h"
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
    // The pause between the warning's "Yes" and the save dialog.
    int dialogDelayMs = 1000;
};

// The profile of a text product by its display name.
const MidiExportProfile& midiExportProfile(std::string_view displayName);

namespace midiExport {
inline constexpr std::uint64_t minimumFreeSpace = 65000;
inline constexpr std::string_view dialogTitle = "Save As";
inline constexpr std::string_view filter = "MIDI files (*.MID)|*.MID|";
inline constexpr std::string_view defaultExtension = "MID";
}  // namespace midiExport

// "Pirrow Settings.mid"
std::string proposedMidiFileName(std::string_view displayName);
// The chosen name, with ".mid" added when its file name has no extension.
std::string withMidiExtension(std::string_view path);

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
