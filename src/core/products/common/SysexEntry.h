#pragma once

#include <string>
#include <string_view>

namespace corlinth {

// The entry popup in which the user types a System Exclusive message of their own, and
// `systest`, its normalisation and test. The footswitch, relay and controller units share it.

namespace sysexEntryTexts {
inline constexpr std::string_view caption = "Enter System Exclusive Message";
inline constexpr std::string_view prompt = "Enter System Exclusive message in the form F0 ... F7";
inline constexpr std::string_view tooLong =
    "Maximum length of System Exclusive message is 20 bytes.";
inline constexpr std::string_view invalid = "Invalid System Exclusive message.";
}  // namespace sysexEntryTexts

struct SysexEntryResult {
    bool valid = false;
    bool tooLong = false;  // only chooses the warning

    bool operator==(const SysexEntryResult&) const = default;
};

// Upper case, one blank between groups, no trailing blanks, the letter O read as the digit 0:
// what the field shows after the test.
std::string normaliseSysexEntry(std::string_view text);

// `systest`: normalises `text` in place and tests it. Valid are the messages of 3 to 20 bytes,
// F0 first and F7 last, data bytes 00 to 7F, written as two digits with one blank between.
SysexEntryResult systest(std::string& text);

// The popup's OK: an empty field fails without a test. Returns the result and leaves the
// normalised text in `text`.
SysexEntryResult checkSysexEntry(std::string& text);

// The warning for an entry that failed.
std::string_view sysexEntryWarning(const SysexEntryResult& result);

}  // namespace corlinth
