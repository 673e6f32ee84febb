#include "core/products/routing/RouteKeyboard.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace corlinth {
namespace {

using namespace routekeyboard;

// Where each of the twelve notes of an octave begins in the upper band, C first.
constexpr std::array<int, 12> kUpperBandStarts{0, 5, 10, 12, 17, 21, 26, 31, 33, 38, 40, 45};
// The white key index within the octave of each note, or -1 for a black note.
constexpr std::array<int, 12> kWhiteIndex{0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
constexpr int kNoteCount = 128;

struct Layout {
    std::vector<KeyboardKey> keys;
    std::array<std::size_t, kNoteCount> indexOfNote{};
    std::array<int, whiteKeyCount> whiteNotes{};
};

const Layout& layout() {
    static const Layout built = [] {
        Layout l;
        int white = 0;
        for (int note = 0; note < kNoteCount; ++note) {
            if (kWhiteIndex[note % 12] >= 0) {
                l.indexOfNote[note] = l.keys.size();
                l.whiteNotes[white] = note;
                l.keys.push_back(
                    {note, false, white * whiteKeyWidth, 0, whiteKeyWidth, whiteKeyHeight});
                ++white;
            }
        }
        for (int note = 0; note < kNoteCount; ++note) {
            const int inOctave = note % 12;
            if (kWhiteIndex[inOctave] < 0) {
                l.indexOfNote[note] = l.keys.size();
                l.keys.push_back({note, true,
                                  (note / 12) * octaveWidth + kUpperBandStarts[inOctave], 0,
                                  blackKeyWidth, blackKeyHeight});
            }
        }
        return l;
    }();
    return built;
}

}  // namespace

const std::vector<KeyboardKey>& keyboardKeys() {
    return layout().keys;
}

const KeyboardKey& keyboardKey(int note) {
    if (note < 0 || note >= kNoteCount) {
        throw std::out_of_range("keyboard note outside 0..127");
    }
    return layout().keys[layout().indexOfNote[static_cast<std::size_t>(note)]];
}

int keyboardNoteAt(int x, int y) {
    if (x < 0) {
        return 0;
    }
    if (y >= blackKeyHeight) {
        const int white = x / whiteKeyWidth;
        return white >= whiteKeyCount ? kNoteCount - 1
                                      : layout().whiteNotes[static_cast<std::size_t>(white)];
    }
    const int octave = x / octaveWidth;
    const int offset = x % octaveWidth;
    int inOctave = 0;
    while (inOctave + 1 < 12 && offset >= kUpperBandStarts[inOctave + 1]) {
        ++inOctave;
    }
    return std::min(octave * 12 + inOctave, kNoteCount - 1);
}

KeyboardRange keyboardDragRange(int pressedNote, int currentNote) {
    return {std::min(pressedNote, currentNote), std::max(pressedNote, currentNote)};
}

}  // namespace corlinth
