#pragma once

#include <string>
#include <vector>

#include "core/document/Bytes.h"

namespace corlinth {

// A duration as the footswitch and relay units store it: one byte d for d times 8 ms, or the
// byte 00 followed by a number of whole seconds.
struct Duration {
    int ticks = 125;  // d, 1 to 127; 0 means the duration is `seconds` whole seconds
    int seconds = 0;

    bool operator==(const Duration&) const = default;
};

Bytes durationBytes(const Duration& duration);
// As comments write it: "0.008s", "0.096s", "0.104s", "1.0s", "1.008s", "5s".
std::string durationText(const Duration& duration);

// The two lists a dialog offers for a duration, sharing one place: the short list "0.008" to
// "1.016" followed by "longer durations...", and the seconds list behind "shorter
// durations...". The families differ only in the first whole second they offer.
class DurationLists {
  public:
    static constexpr int kLongerItem = 127;          // "longer durations..." in the short list
    static constexpr int kShorterItem = 0;           // "shorter durations..." in the seconds list
    static constexpr int kOneSecondShortItem = 124;  // "1.000", where a new dialog starts

    explicit DurationLists(int firstSecond) : m_firstSecond(firstSecond) {}

    std::vector<std::string> shortItems() const;
    std::vector<std::string> longItems() const;
    int oneSecondLongItem() const { return 1 + 1 - m_firstSecond; }

    // The seconds list takes the short list's place while the short list stands at "longer
    // durations...".
    static bool longListShown(int shortItem) { return shortItem == kLongerItem; }

    // What choosing an item in one list does to the other: "longer durations..." brings up the
    // seconds list at one second, "shorter durations..." the short list at 1.000.
    void shortItemChosen(int shortItem, int& longItem) const;
    void longItemChosen(int longItem, int& shortItem) const;

    Duration duration(int shortItem, int longItem) const;
    // The items that show a stored duration; values beyond the lists select their last value.
    void select(const Duration& duration, int& shortItem, int& longItem) const;

  private:
    int m_firstSecond;
};

}  // namespace corlinth
