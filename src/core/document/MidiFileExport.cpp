#include "core/document/MidiFileExport.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/app/FixedTexts.h"
#include "core/document/EditorTexts.h"
#include "core/document/MidiFileSkeleton.h"
#include "core/document/SettingLine.h"

namespace corlinth {
namespace {

const MidiExportProfile kTextProduct{{0x88, 0x00}, {0x00}, false};
const MidiExportProfile kRuleUnit{{0x84, 0x00}, {0x04}, true};

struct Refusal {
    Byte status;
    std::string_view warning;
};

// In the order in which the warnings are given.
constexpr std::array<Refusal, 6> kRefusals{{
    {0xF2, "Cannot generate a Standard MIDI File that contains Song Position Pointer events."},
    {0xF3, "Cannot generate a Standard MIDI File that contains Song Select events."},
    {0xF8, "Cannot generate a Standard MIDI File that contains MIDI Clock events."},
    {0xFA, "Cannot generate a Standard MIDI File that contains MIDI Start events."},
    {0xFB, "Cannot generate a Standard MIDI File that contains MIDI Continue events."},
    {0xFC, "Cannot generate a Standard MIDI File that contains MIDI Stop events."},
}};

// Delta 20, the sustain-off and the delta 2 before the first message; the same sustain-off
// closes the track, so a player that starts or stops midway leaves no pedal held.
const Bytes kLeadIn{0x14, 0xB0, 0x40, 0x00, 0x02};
const Bytes kSustainOff{0xB0, 0x40, 0x00};
// 256 ticks before a System Exclusive message or one after a blank line.
const Bytes kGapDelta{0x82, 0x00};
// The 2 ticks after a companion or closing note.
constexpr Byte kNoteDelta = 0x02;

// The notes that the export adds around a rule setting, from the event lines that follow it.
struct SettingNotes {
    // Note-On of velocity 1 written before the setting, so that the Note-Off of an event line
    // closes a note a player has seen start and is not dropped as redundant.
    std::vector<Bytes> companions;
    // Note-On of velocity 0 for an event line that starts a note, written once the setting and
    // its event lines are through, so that no note is left sounding in the player.
    struct Closing {
        Bytes note;
        std::size_t line;  // the event line that starts the note
    };
    std::vector<Closing> closing;
};

// The two lines after a rule setting line are its event lines. They are judged by their bytes
// as sent, so that a placeholder velocity (sent as 00) counts as the Note-Off it is.
SettingNotes settingNotes(std::span<const std::string> lines, std::size_t settingLine,
                          const MessageExtractor::LineParser& parser) {
    SettingNotes notes;
    for (std::size_t line = settingLine + 1; line <= settingLine + 2 && line < lines.size();
         ++line) {
        const Bytes bytes = parser(lines[line]);
        if (bytes.size() < 2 || (bytes[1] & 0x80) != 0) {
            continue;
        }
        const Byte kind = bytes[0] & 0xF0;
        const Byte channel = bytes[0] & 0x0F;
        const Byte note = bytes[1];
        const bool noteOff = kind == 0x80 || (kind == 0x90 && bytes.size() >= 3 && bytes[2] == 0);
        const bool noteOn = kind == 0x90 && bytes.size() >= 3 && bytes[2] != 0;
        if (noteOff) {
            notes.companions.push_back({static_cast<Byte>(0x90 | channel), note, 0x01});
            // A note the setting's own lines start and end needs no closing note.
            std::erase_if(notes.closing, [&](const SettingNotes::Closing& c) {
                return c.note[0] == (0x90 | channel) && c.note[1] == note;
            });
        } else if (noteOn) {
            notes.closing.push_back({{static_cast<Byte>(0x90 | channel), note, 0x00}, line});
        }
    }
    return notes;
}

// One pass over the document, handing the track's bytes after the fixed events to `sink`:
// `events` for everything the export adds, `message` for the document's own messages.
template <typename Sink>
void walkTrack(MessageExtractor& extractor, std::span<const std::string> lines,
               const MidiExportProfile& profile, const MessageExtractor::LineParser& parser,
               Sink& sink) {
    std::vector<SettingNotes::Closing> pending;
    // Writes the closing notes of event lines above `beforeLine`, each 2 ticks before what
    // follows it.
    auto release = [&](std::size_t beforeLine) {
        std::vector<SettingNotes::Closing> later;
        for (SettingNotes::Closing& closing : pending) {
            if (closing.line < beforeLine) {
                sink.events(closing.note);
                sink.events(Bytes{kNoteDelta});
            } else {
                later.push_back(std::move(closing));
            }
        }
        pending = std::move(later);
    };

    sink.events(kLeadIn);
    extractor.setLineCursor(0);
    std::size_t count = 0;
    while (extractor.getmtext()) {
        ++count;
        const std::size_t line = extractor.messageLine();
        const bool gap = extractor.isSystemExclusive() || extractor.blankLineSeen();
        // The second message has no delta of its own: the one after the first stands for it.
        if (count >= 3) {
            sink.events(gap ? kGapDelta : profile.deltaBeforeFollowingMessage);
        }
        if (count >= 2 && gap) {
            // A new setting begins: the notes the previous ones left sounding are closed.
            release(line);
        }
        if (profile.ruleUnit && isSettingLine(lines[line])) {
            SettingNotes notes = settingNotes(lines, line, parser);
            for (const Bytes& companion : notes.companions) {
                sink.events(companion);
                sink.events(Bytes{kNoteDelta});
            }
            for (SettingNotes::Closing& closing : notes.closing) {
                const bool known = std::any_of(pending.begin(), pending.end(), [&](const auto& p) {
                    return p.line == closing.line;
                });
                if (!known) {
                    pending.push_back(std::move(closing));
                }
            }
        }
        sink.message(extractor.currentMessage());
        if (count == 1) {
            sink.events(profile.deltaAfterFirstMessage);
        }
    }
    if (count >= 2) {
        sink.events(kGapDelta);
    }
    release(lines.size());
    sink.events(kSustainOff);
    sink.events(Bytes(midiFile::endOfTrack.begin(), midiFile::endOfTrack.end()));
}

// The first pass counts what the export adds; the extractor counts the messages with their
// System Exclusive lengths.
struct CountingSink {
    std::size_t count = 0;
    void events(const Bytes& bytes) { count += bytes.size(); }
    void message(const Bytes&) {}
};

struct WritingSink {
    Bytes& out;
    void events(const Bytes& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }
    void message(const Bytes& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }
};

}  // namespace

const MidiExportProfile& midiExportProfile(const EditorProfile& editor) {
    return editor.ruleUnit ? kRuleUnit : kTextProduct;
}

std::optional<std::string_view> freeSpaceWarning(std::uint64_t freeBytes) {
    if (freeBytes < editor_texts::exportMinimumFreeSpace) {
        return texts::noSpaceWarning;
    }
    return std::nullopt;
}

std::optional<std::string_view> midiExportRefusal(std::span<const std::string> lines,
                                                  const MidiExportProfile& profile,
                                                  const MessageExtractor::LineParser& parser) {
    if (!profile.ruleUnit) {
        return std::nullopt;
    }
    std::array<bool, kRefusals.size()> found{};
    MessageExtractor extractor(lines, parser);
    extractor.setLineCursor(0);
    while (extractor.getmtext()) {
        const Byte status = extractor.currentMessage().front();
        for (std::size_t i = 0; i < kRefusals.size(); ++i) {
            found[i] = found[i] || kRefusals[i].status == status;
        }
    }
    for (std::size_t i = 0; i < kRefusals.size(); ++i) {
        if (found[i]) {
            return kRefusals[i].warning;
        }
    }
    return std::nullopt;
}

std::uint32_t midiTrackLength(std::span<const std::string> lines, const MidiExportProfile& profile,
                              const MessageExtractor::LineParser& parser) {
    MessageExtractor extractor(lines, parser);
    CountingSink sink;
    walkTrack(extractor, lines, profile, parser, sink);
    return static_cast<std::uint32_t>(midiFile::fixedEventsSize + sink.count +
                                      extractor.byteCount());
}

Bytes exportMidiFile(std::span<const std::string> lines, const MidiExportProfile& profile,
                     const MessageExtractor::LineParser& parser) {
    Bytes file = midiFileHead(midiTrackLength(lines, profile, parser));
    MessageExtractor extractor(lines, parser);
    WritingSink sink{file};
    walkTrack(extractor, lines, profile, parser, sink);
    return file;
}

}  // namespace corlinth
