#pragma once

#include <string>
#include <string_view>

namespace corlinth::controller {

// The entry popup of the expression-pedal and breath units: a System Exclusive message of the
// user's own in which one byte, written XX, follows the pedal. Its `systest` is the footswitch
// units' test with XX allowed as a data byte, exactly once.

namespace varyingEntryTexts {
inline constexpr std::string_view hint = "Use XX for the varying byte";
inline constexpr std::string_view missing = "XX must appear in the System Exclusive message.";
inline constexpr std::string_view repeated =
    "XX cannot appear more than once in the System Exclusive message.";
}  // namespace varyingEntryTexts

struct VaryingEntryResult {
    bool valid = false;
    bool tooLong = false;  // only chooses the warning
    // The X standing as a byte's second digit in the entry being tested, so that a pair XX
    // counts once, and where the last of them stands, counted from 1 (0 for none).
    int pairs = 0;
    int lastX = 0;

    // The varying byte's number counted from 1 at F0, as the setting's byte 7 carries it.
    int varyingByte() const { return lastX / 3 + 1; }

    bool operator==(const VaryingEntryResult&) const = default;
};

// `systest`: normalises `text` in place as the footswitch popup does, then tests it. Valid are
// the messages of 3 to 20 bytes, F0 first and F7 last, every data byte 00 to 7F or XX, with
// exactly one XX.
VaryingEntryResult systest(std::string& text);

// The popup's OK: an empty field fails without a test (and so holds no XX).
VaryingEntryResult checkVaryingEntry(std::string& text);

// The warning for an entry that failed: the length first, then the count of XX.
std::string_view varyingEntryWarning(const VaryingEntryResult& result);

}  // namespace corlinth::controller
