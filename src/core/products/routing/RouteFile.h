#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/document/Bytes.h"
#include "core/products/routing/RouteSetting.h"

namespace corlinth {

// What a routing document file holds: the ten settings by priority (index 0 is priority 1),
// the "Ignore Priority" flag and the comments (UTF-8, lines separated by CR LF).
struct RouteFileContents {
    std::array<RouteSetting, 10> byPriority{};
    bool ignorePriority = false;
    std::string comments;

    bool operator==(const RouteFileContents&) const = default;
};

// The whole file: the shared MIDI-file head, the comments as a Text event, a sustain-off,
// the header message, then the non-empty settings from priority 10 to priority 1, each 2
// ticks after the one before plus 2 ticks for every empty priority passed, and End of
// Track. The save's free-space check wants the track length + 24, the file's size + 2.
Bytes writeRouteFile(const RouteFileContents& contents);

// The file read back, or nullopt ("Not a valid Daskin file.") when any check fails. The
// checks go by position, as the unit's files have always been laid out.
std::optional<RouteFileContents> readRouteFile(std::span<const Byte> file);

}  // namespace corlinth
