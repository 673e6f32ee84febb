#include <array>
#include <string>

#include "core/products/common/Durations.h"
#include "core/products/common/MidiLists.h"
#include "core/products/footswitch/FootswitchForms.h"

namespace corlinth::footswitch {
namespace {

constexpr std::string_view kChannel = "ComboBox1";
constexpr std::string_view kFirstNumber = "ComboBox2";
constexpr std::string_view kFirstLevel = "ComboBox3";
constexpr std::string_view kMode = "ComboBox19";
constexpr std::string_view kShortDuration = "ComboBox20";
constexpr std::string_view kLongDuration = "ComboBox21";

// Events 2 to 8: the number list and the level list of each.
struct EventFields {
    std::string_view number;
    std::string_view level;
};
constexpr std::array<EventFields, 7> kFurtherEvents{{{"ComboBox6", "ComboBox5"},
                                                     {"ComboBox7", "ComboBox8"},
                                                     {"ComboBox9", "ComboBox10"},
                                                     {"ComboBox11", "ComboBox12"},
                                                     {"ComboBox13", "ComboBox14"},
                                                     {"ComboBox15", "ComboBox16"},
                                                     {"ComboBox17", "ComboBox18"}}};
constexpr int kDefaultLevel = 64;

// Mode items and the code the command byte carries: the first two swap, so that the default
// item 1 (events switched off on release) is code 0.
constexpr std::array<int, 7> kModeCodes{1, 0, 2, 3, 4, 5, 6};
constexpr int kDefaultMode = 1;
bool isDurationMode(int item) {
    return item >= 2 && item <= 4;
}
bool isCycleMode(int item) {
    return item == 5 || item == 6;
}

const DurationLists& durations() {
    static const DurationLists lists(0);
    return lists;
}

// What tells the two dialogs apart.
struct Words {
    Byte commandNibble;
    std::string_view role;     // of the window name
    std::string_view caption;  // after the product's name
    std::string_view heading;
    std::string_view numberCaption;
    std::string_view levelCaption;
    const std::vector<std::string>& (*numbers)();
    const std::vector<std::string>& (*numbersWithNone)();
    int defaultNumber;
    std::string_view event;  // "Note#"
    std::string_view level;  // " of velocity "
    std::string_view offSingular;
    std::string_view offPlural;
    std::array<std::string_view, 7> modes;
    // The single-footswitch unit's Control Change comment has always spelt it "footwitch" when
    // it speaks of all channels.
    bool footwitch;
};

const Words kNoteOn{
    0x01,
    "NoteOn",
    "Note-On Setting",
    " generate up to eight Note-On messages...",
    "Note Number:",
    "Note-On Velocity:",
    noteItems,
    noteItemsWithNone,
    60,
    "Note#",
    " of velocity ",
    "a Note-Off",
    "Note-Offs",
    {"Send nothing on release of the footswitch", "Send Note-Offs on release of the footswitch",
     "Send Note-Offs after the duration specified below",
     "Send Note-Offs when the footswitch is released after the minimum duration "
     "specified below",
     "Send Note-Offs when the footswitch is released, or after the maximum duration "
     "specified below",
     "Cycle through Note-Ons on footswitch depressions, send corresponding Note-Offs "
     "on release",
     "Cycle through Note-Ons on footswitch depressions, send nothing on release"},
    false};

const Words kControlChange{
    0x02,
    "Control",
    "Control Change Setting",
    " generate up to eight Control Change messages...",
    "Control Number:",
    "Control Value:",
    controllerItems,
    controllerItemsWithNone,
    1,
    "CC#",
    " of value ",
    "a value of zero",
    "values of zero",
    {"Send above CC values only, send nothing on release of the footswitch",
     "Reset the above CC messages to zero on release of the footswitch",
     "Reset the above CC messages to zero after the duration specified below",
     "Reset the above CC messages to zero when the footswitch is released after the minimum "
     "duration specified below",
     "Reset the above CC messages to zero when the footswitch is released, or after the maximum "
     "duration specified below",
     "Cycle through above CC messages on each footswitch depression, send corresponding CC values "
     "of 0 on release",
     "Cycle through above CC messages on each footswitch depression, send nothing on release"},
    true};

std::string modePiece(int mode, bool plural, const Words& words) {
    if (mode == 0 || mode == 6) {
        return " send nothing when it is released";
    }
    const std::string off = " send " + std::string(plural ? words.offPlural : words.offSingular);
    switch (mode) {
        case 2:
            return off + " after a duration of ";
        case 3:
            return off + " when the footswitch is released after a minimum duration of ";
        case 4:
            return off + " when the footswitch is released or after a maximum duration of ";
        default:
            return off + " when it is released";
    }
}

std::vector<FormField> fields(const FootswitchProfile& profile, const Words& words) {
    std::vector<FormField> out;
    out.push_back(listField(std::string(kFirstNumber), std::string(words.numberCaption),
                            words.numbers(), words.defaultNumber));
    out.push_back(
        valueField(std::string(kFirstLevel), std::string(words.levelCaption), kDefaultLevel));
    out.back().placement = Placement::Beside;
    out.push_back(channelField(std::string(kChannel)));
    for (const EventFields& event : kFurtherEvents) {
        out.push_back(listField(std::string(event.number), "", words.numbersWithNone(), kNoneItem));
        out.push_back(valueField(std::string(event.level), "", kDefaultLevel));
        out.back().placement = Placement::Beside;
    }
    out.push_back(listField(std::string(kMode), "Mode:", {words.modes.begin(), words.modes.end()},
                            kDefaultMode));
    out.push_back(listField(std::string(kShortDuration), "Duration (in seconds):",
                            durations().shortItems(), DurationLists::kOneSecondShortItem));
    out.push_back(listField(std::string(kLongDuration), "Duration (in seconds):",
                            durations().longItems(), DurationLists::kShorterItem));
    out.back().placement = Placement::InPlace;
    return withInput(profile, std::move(out));
}

Duration chosenDuration(const FormChoices& c) {
    return durations().duration(c.item(kShortDuration), c.item(kLongDuration));
}

SettingHandover encode(const FootswitchProfile& profile, const Words& words, const FormChoices& c) {
    const int mode = c.item(kMode);
    Bytes data;
    if (isDurationMode(mode)) {
        data = durationBytes(chosenDuration(c));
    }
    data.push_back(static_cast<Byte>(c.item(kFirstNumber)));
    data.push_back(static_cast<Byte>(c.item(kFirstLevel)));
    data.push_back(channelByte(c.item(kChannel)));

    std::string list = std::to_string(c.item(kFirstNumber)) + std::string(words.level) +
                       std::to_string(c.item(kFirstLevel));
    int events = 1;
    // An event set to "None" leaves no gap: the next one moves up into its place.
    for (const EventFields& event : kFurtherEvents) {
        const int item = c.item(event.number);
        if (item == kNoneItem) {
            continue;
        }
        const int number = item - 1;
        data.push_back(static_cast<Byte>(number));
        data.push_back(static_cast<Byte>(c.item(event.level)));
        list += ", " + std::string(words.event) + std::to_string(number) +
                std::string(words.level) + std::to_string(c.item(event.level));
        ++events;
    }
    const Byte command =
        static_cast<Byte>(kModeCodes[static_cast<std::size_t>(mode)] * 16 + words.commandNibble);

    const bool allChannels = c.item(kChannel) == kAllChannelsItem;
    const std::string when = allChannels && !profile.hasInputs() && words.footwitch
                                 ? "when the footwitch is"
                                 : whenIs(profile, c);
    std::string tail = channelPiece(c.item(kChannel)) + " " + when + " depressed, and" +
                       modePiece(mode, events > 1, words);
    if (isDurationMode(mode)) {
        tail += durationText(chosenDuration(c));
    }
    tail += " }";

    SettingHandover out;
    out.messageLine = hexLine(actionMessage(profile, command, c, data));
    out.comment = {"{ " + programThe(profile) +
                       (isCycleMode(mode) ? " cycle through " : " generate ") +
                       std::string(words.event),
                   list, tail};
    return out;
}

void decode(const FootswitchProfile& profile, const ParsedSetting& setting, FormChoices& c) {
    const SettingReader reader(setting.bytes);
    decodeInput(profile, reader, c);
    const int code = setting.bytes.size() > 5 ? setting.bytes[5] >> 4 : 0;
    const int mode = code == 1 ? 0 : (code >= 2 && code <= 6 ? code : kDefaultMode);
    c.setItem(kMode, mode);

    std::size_t position = profile.dataStart();
    if (isDurationMode(mode)) {
        if (const auto d = reader.data(position)) {
            Duration duration{*d, 0};
            ++position;
            if (*d == 0x00) {
                duration.seconds = reader.data(position).value_or(0);
                ++position;
            }
            int shortItem = c.item(kShortDuration);
            int longItem = c.item(kLongDuration);
            durations().select(duration, shortItem, longItem);
            c.setItem(kShortDuration, shortItem);
            c.setItem(kLongDuration, longItem);
        }
    }
    if (const auto number = reader.data(position)) {
        c.setItem(kFirstNumber, valueItem(*number));
    }
    decodeValue(reader, position + 1, c, kFirstLevel);
    decodeChannel(reader, position + 2, c, kChannel);

    // Whole pairs up to the closing F7 fill events 2 to 8; the rest become "None".
    position += 3;
    for (const EventFields& event : kFurtherEvents) {
        const auto number = reader.data(position);
        const auto level = reader.data(position + 1);
        if (number && level) {
            c.setItem(event.number, valueItem(*number) + 1);
            c.setItem(event.level, valueItem(*level));
            position += 2;
        } else {
            c.setItem(event.number, kNoneItem);
            c.setItem(event.level, kDefaultLevel);
        }
    }
}

SettingForm form(const FootswitchProfile& profile, const Words& words) {
    SettingForm form;
    form.windowName = profile.windowName(words.role);
    form.caption = caption(profile, words.caption);
    form.heading = actionHeading(profile, words.heading);
    form.fields = fields(profile, words);
    form.notes = overwriteNote(profile);
    std::vector<std::string> names;
    for (const FormField& field : form.fields) {
        names.push_back(field.name);
    }
    // The duration lists share one place and are shown only for the three duration modes.
    form.visibility = [names](const FormChoices& c) {
        const bool durationShown = isDurationMode(c.item(kMode));
        const bool longShown = DurationLists::longListShown(c.item(kShortDuration));
        std::vector<bool> shown;
        for (const std::string& name : names) {
            if (name == kShortDuration) {
                shown.push_back(durationShown && !longShown);
            } else if (name == kLongDuration) {
                shown.push_back(durationShown && longShown);
            } else {
                shown.push_back(true);
            }
        }
        return shown;
    };
    form.changed = [](FormChoices& c, std::string_view field) {
        if (field == kShortDuration) {
            durations().shortItemChosen(c.item(kShortDuration), c.at(kLongDuration).item);
        } else if (field == kLongDuration) {
            durations().longItemChosen(c.item(kLongDuration), c.at(kShortDuration).item);
        }
    };
    const Words* w = &words;
    form.encode = [profile, w](const FormChoices& c) { return encode(profile, *w, c); };
    form.decode = [profile](const ParsedSetting& s, FormChoices& c) { decode(profile, s, c); };
    return form;
}

}  // namespace

SettingForm noteOnForm(const FootswitchProfile& profile) {
    return form(profile, kNoteOn);
}

SettingForm controlChangeForm(const FootswitchProfile& profile) {
    return form(profile, kControlChange);
}

}  // namespace corlinth::footswitch
