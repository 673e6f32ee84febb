#include "core/products/common/MidiLists.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace corlinth {
namespace {

std::vector<std::string> numbered(int first, int last) {
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n) {
        items.push_back(std::to_string(n));
    }
    return items;
}

std::vector<std::string> withNone(const std::vector<std::string>& items) {
    std::vector<std::string> out{"None"};
    out.insert(out.end(), items.begin(), items.end());
    return out;
}

std::string noteName(int n) {
    static constexpr std::array<std::string_view, 12> kPitches{"C",  "C#", "D",  "D#", "E",  "F",
                                                               "F#", "G",  "G#", "A",  "A#", "B"};
    std::string item = std::to_string(n);
    item.resize(4, ' ');
    item += "- ";
    if (n == 60) {
        return item + "middle C";
    }
    return item + std::string(kPitches[static_cast<std::size_t>(n % 12)]) +
           std::to_string(n / 12 - 2);
}

// Controller names as the program spells them (controller 2 by its MIDI name).
std::vector<std::string> controllerNames() {
    std::vector<std::string> names{"Bank Select",
                                   "Modulation Wheel or lever",
                                   "Breath Controller",
                                   "Undefined",
                                   "Foot Controller",
                                   "Portamento Time",
                                   "Data Entry MSB",
                                   "Main volume",
                                   "Balance",
                                   "Undefined",
                                   "Pan",
                                   "Expression Controller",
                                   "Effect Control 1",
                                   "Effect Control 2",
                                   "Undefined",
                                   "Undefined"};
    for (int n = 1; n <= 4; ++n) {
        names.push_back("General Purpose Controller #" + std::to_string(n));
    }
    names.resize(32, "Undefined");
    for (int n = 0; n <= 31; ++n) {
        names.push_back("LSB value for Controller #" + std::to_string(n));
    }
    for (const char* name :
         {"Damper pedal (sustain)", "Portamento On/Off", "Sostenuto", "Soft pedal",
          "Legato Fsw (vv=00-3F: Normal, 40-7F: Legato)", "Hold 2",
          "Sound Controller 1 (default: Sound Variation)",
          "Sound Controller 2 (default: Timbre/Harmonic Content)",
          "Sound Controller 3 (default: Release Time)", "Sound Controller 4 (default: Attack Time)",
          "Sound Controller 5 (default: Brightness)"}) {
        names.emplace_back(name);
    }
    for (int n = 6; n <= 10; ++n) {
        names.push_back("Sound Controller " + std::to_string(n) + " (no defaults)");
    }
    for (int n = 5; n <= 8; ++n) {
        names.push_back("General Purpose Controller #" + std::to_string(n));
    }
    names.emplace_back("Portamento Control");
    names.resize(91, "Undefined");
    for (const char* name :
         {"Effects 1 Depth (formerly External Effects Depth)",
          "Effects 2 Depth (formerly Tremelo Depth)", "Effects 3 Depth (formerly Chorus Depth)",
          "Effects 4 Depth (formerly Celeste (Detune) Depth)",
          "Effects 5 Depth (formerly Phaser Depth)", "Data Increment", "Data Decrement",
          "Non-Registered Parameter Number LSB", "Non-Registered Parameter Number MSB",
          "Registered Parameter Number LSB", "Registered Parameter Number MSB"}) {
        names.emplace_back(name);
    }
    names.resize(120, "Undefined");
    for (const char* name :
         {"All Sound Off", "Reset All Controllers", "Local Control", "All Notes Off",
          "Omni Mode Off", "Omni Mode On", "Mono Mode On", "Poly Mode On"}) {
        names.emplace_back(name);
    }
    return names;
}

}  // namespace

const std::vector<std::string>& channelItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> list = numbered(1, 16);
        list.emplace_back("All");
        return list;
    }();
    return items;
}

Byte channelByte(int item) {
    return item >= kAllChannelsItem ? Byte{0x7F} : static_cast<Byte>(std::max(item, 0));
}

int channelItem(Byte b) {
    return b <= 0x0F ? b : kAllChannelsItem;
}

int channelNumber(int item) {
    return item + 1;
}

const std::vector<std::string>& valueItems() {
    static const std::vector<std::string> items = numbered(0, 127);
    return items;
}

int valueItem(Byte b) {
    return std::min<int>(b, 127);
}

const std::vector<std::string>& noteItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> list;
        for (int n = 0; n <= 127; ++n) {
            list.push_back(noteName(n));
        }
        return list;
    }();
    return items;
}

const std::vector<std::string>& controllerItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names = controllerNames();
        for (std::size_t n = 0; n < names.size(); ++n) {
            names[n] = std::to_string(n) + " - " + names[n];
        }
        return names;
    }();
    return items;
}

const std::vector<std::string>& noteItemsWithNone() {
    static const std::vector<std::string> items = withNone(noteItems());
    return items;
}

const std::vector<std::string>& controllerItemsWithNone() {
    static const std::vector<std::string> items = withNone(controllerItems());
    return items;
}

}  // namespace corlinth
