#pragma once

#include <vector>

namespace corlinth {

// The on-screen keyboard of the routing dialog: all 128 notes as 75 white keys of 7 by 40
// pixels with black keys over their upper part. Coordinates are pixels from the keyboard's
// top-left corner.
namespace routekeyboard {
inline constexpr int whiteKeyWidth = 7;
inline constexpr int whiteKeyHeight = 40;
inline constexpr int blackKeyWidth = 5;
inline constexpr int blackKeyHeight = 25;
inline constexpr int whiteKeyCount = 75;
inline constexpr int octaveWidth = 7 * whiteKeyWidth;  // 49
inline constexpr int width = whiteKeyCount * whiteKeyWidth;
inline constexpr int middleC = 60;
}  // namespace routekeyboard

struct KeyboardKey {
    int note = 0;
    bool black = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Every key, the white ones first (left to right), then the black ones, so that drawing in
// this order puts the black keys on top.
const std::vector<KeyboardKey>& keyboardKeys();

// The key rectangle of a note (0..127).
const KeyboardKey& keyboardKey(int note);

// The note under a point. Below the black keys only white keys are hit; above that line each
// octave of 49 pixels is cut into its twelve notes at 5, 10, 12, 17, 21, 26, 31, 33, 38, 40
// and 45 pixels. Left of the keyboard is note 0, anything past the last key note 127.
int keyboardNoteAt(int x, int y);

// The range a drag makes from the note first pressed to the note now under the pointer.
struct KeyboardRange {
    int from = 0;
    int to = 0;
    bool operator==(const KeyboardRange&) const = default;
};
KeyboardRange keyboardDragRange(int pressedNote, int currentNote);

}  // namespace corlinth
