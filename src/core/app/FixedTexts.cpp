#include "core/app/FixedTexts.h"

#include <initializer_list>

namespace corlinth {
namespace {

std::string joinCrLf(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first) {
            text += "\r\n";
        }
        text += line;
        first = false;
    }
    return text;
}

}  // namespace

const std::string& smfWarningText() {
    // Trailing spaces belong to the lines; the message box compares this text as a whole.
    static const std::string text = joinCrLf({
        "Playing a generated standard MIDI file into a Quarnell product may not always result in "
        "successful programming of the device.     ",
        "",
        "Many of the MIDI file players we have tested do not recognize MIDI System Exclusive "
        "events, eliminate pauses between MIDI events ",
        "in the file, add extra MIDI events, or eliminate redundant MIDI events, resulting in "
        "programming errors. This option is provided for",
        "experienced users only.",
        "",
        "The recommended method of programming the Quarnell products is from the Program menu.",
        "",
        "Proceed anyway?",
    });
    return text;
}

const std::string& tipText() {
    static const std::string text = joinCrLf({
        "Tip:     ",
        "",
        "An easy way to become familiar with the capabilities of the Corlinth software is by "
        "viewing the example files. ",
        "",
        "Click File|Open after selecting product.",
    });
    return text;
}

std::string_view editHintSuffix(PlatformMode mode) {
    return mode == PlatformMode::Mac ? texts::editHintMac : texts::editHintWindows;
}

FontSpec editorFont(PlatformMode mode) {
    return mode == PlatformMode::Mac ? FontSpec{"Arial", 10} : FontSpec{"Tahoma", 9};
}

FontSpec macMenuFont() {
    return {"Arial", 10, true};
}

FontSpec macMessageFont() {
    return {"Arial", 10};
}

}  // namespace corlinth
