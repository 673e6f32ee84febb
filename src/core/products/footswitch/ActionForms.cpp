#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "core/products/common/MidiLists.h"
#include "core/products/footswitch/FootswitchForms.h"

namespace corlinth::footswitch {
namespace {

// What an action dialog's OK writes: the command byte, the data after the input byte, and the
// comment in its three parts.
struct Action {
    Byte command;
    Bytes data;
    std::array<std::string, 3> comment;
};
using ActionEncoder = std::function<Action(const FormChoices&)>;
// Reads the dialog's own choices from the data, which begin at `first`.
using ActionDecoder = std::function<void(const SettingReader&, std::size_t first, FormChoices&)>;

SettingForm actionForm(const FootswitchProfile& profile, std::string_view role,
                       std::string_view what, std::string heading, std::vector<FormField> fields,
                       const ActionEncoder& encode, const ActionDecoder& decode = {}) {
    SettingForm form;
    form.windowName = profile.windowName(role);
    form.caption = caption(profile, what);
    form.heading = std::move(heading);
    form.fields = withInput(profile, std::move(fields));
    form.notes = overwriteNote(profile);
    form.encode = [profile, encode](const FormChoices& c) {
        Action action = encode(c);
        SettingHandover out;
        out.messageLine = hexLine(actionMessage(profile, action.command, c, action.data));
        out.comment = std::move(action.comment);
        return out;
    };
    // Every action carries its input, even those with nothing else to decode.
    form.decode = [profile, decode](const ParsedSetting& setting, FormChoices& c) {
        const SettingReader reader(setting.bytes);
        decodeInput(profile, reader, c);
        if (decode) {
            decode(reader, profile.dataStart(), c);
        }
    };
    return form;
}

std::string head(const FootswitchProfile& profile, std::string_view rest = "") {
    return "{ " + programThe(profile) + std::string(rest);
}

// " when the footswitch is depressed }" or " when Fsw2 is depressed }".
std::string whenDepressed(const FootswitchProfile& profile, const FormChoices& c) {
    return " " + whenIs(profile, c) + " depressed }";
}

Byte item(const FormChoices& c, std::string_view field) {
    return static_cast<Byte>(c.item(field));
}

Byte channel(const FormChoices& c, std::string_view field) {
    return channelByte(c.item(field));
}

}  // namespace

SettingForm pitchBendForm(const FootswitchProfile& profile) {
    static constexpr std::string_view kChannel = "ComboBox1";
    static constexpr std::string_view kLsb = "ComboBox2";
    static constexpr std::string_view kMsb = "ComboBox3";
    static constexpr std::string_view kMode = "ComboBox4";
    constexpr int kZeroOnRelease = 0;
    return actionForm(
        profile, "Pitch", "Pitch Bend Setting",
        actionHeading(profile,
                      " generate a Pitch Bend message when the footswitch is depressed..."),
        {channelField(std::string(kChannel)),
         valueField(std::string(kLsb), "Pitch Bend LSB value:", 0),
         valueField(std::string(kMsb), "Pitch Bend MSB value:", 64),
         listField(std::string(kMode), "Mode:",
                   {"Send above values when the footswitch is depressed and zero when the "
                    "footswitch is released",
                    "Send above values when the footswitch is depressed and nothing when the "
                    "footswitch is released"})},
        [profile](const FormChoices& c) {
            const bool zero = c.item(kMode) == kZeroOnRelease;
            const int value = c.item(kMsb) * 128 + c.item(kLsb) - 8192;
            return Action{Byte(zero ? 0x03 : 0x13),
                          {item(c, kLsb), item(c, kMsb), channel(c, kChannel)},
                          {head(profile, " generate Pitch Bend of value "),
                           std::to_string(value) + channelPiece(c.item(kChannel)),
                           " " + whenIs(profile, c) + " depressed, and send " +
                               (zero ? "a value of zero when it is released }"
                                     : "nothing when it is released }")}};
        },
        [](const SettingReader& reader, std::size_t first, FormChoices& c) {
            decodeValue(reader, first, c, kLsb);
            decodeValue(reader, first + 1, c, kMsb);
            decodeChannel(reader, first + 2, c, kChannel);
            c.setItem(kMode, reader.data(5) == Byte{0x03} ? kZeroOnRelease : 1);
        });
}

SettingForm programChangeForm(const FootswitchProfile& profile) {
    static constexpr std::string_view kChannel = "ComboBox1";
    static constexpr std::string_view kProgram = "ComboBox2";
    return actionForm(
        profile, "Program", "Program Change Setting",
        actionHeading(profile,
                      " generate a Program Change message when the footswitch is depressed..."),
        {channelField(std::string(kChannel)),
         valueField(std::string(kProgram), "Program Number:", 0)},
        [profile](const FormChoices& c) {
            return Action{0x04,
                          {item(c, kProgram), channel(c, kChannel)},
                          {head(profile, " generate Program Change #"),
                           std::to_string(c.item(kProgram)) + channelPiece(c.item(kChannel)),
                           whenDepressed(profile, c)}};
        },
        [](const SettingReader& reader, std::size_t first, FormChoices& c) {
            decodeValue(reader, first, c, kProgram);
            decodeChannel(reader, first + 1, c, kChannel);
        });
}

SettingForm startStopForm(const FootswitchProfile& profile) {
    const std::string product(profile.product);
    // The input units explain the setting for one input and wrap the lines differently.
    const std::vector<std::string> lines =
        profile.hasInputs()
            ? std::vector<std::string>{"Programming a footswitch input with this setting causes "
                                       "it to send out a ",
                                       "Start message when the footswitch is depressed and a Stop "
                                       "message when it is ",
                                       "released. It is also possible to toggle between sending "
                                       "Start and  Stop messages each ",
                                       "time the footswitch is depressed by programming the "
                                       "Toggle parameter for the above",
                                       "footswitch to ON."}
            : std::vector<std::string>{
                  "Programming the " + product + " with this setting causes it to send out a ",
                  "Start message when the footswitch is depressed and a Stop message when it is "
                  "released.",
                  "It is also possible to toggle between sending Start and Stop messages each "
                  "time the footswitch",
                  "is depressed by programming the " + product + "'s Toggle parameter to ON."};
    return actionForm(profile, "StartStop", "Start/Stop Setting",
                      actionHeading(profile, " send out MIDI Start and Stop messages..."),
                      {operationLines(lines)}, [profile](const FormChoices& c) {
                          return Action{
                              0x05,
                              {},
                              {head(profile, " send out MIDI Start and Stop messages " +
                                                 whenIs(profile, c) + " depressed and released }"),
                               "", ""}};
                      });
}

SettingForm incDecForm(const FootswitchProfile& profile) {
    static constexpr std::string_view kDirection = "ComboBox1";
    static constexpr std::string_view kChannel = "ComboBox2";
    constexpr int kIncrement = 0;
    return actionForm(
        profile, "IncDec", "Program INC/DEC Setting",
        actionHeading(profile, " INC/DEC and send Program Change..."),
        {listField(
             std::string(kDirection), "INC/DEC Select:",
             {"INC - Increment Program Change number", "DEC - Decrement Program Change number"}),
         channelField(std::string(kChannel))},
        [profile](const FormChoices& c) {
            const bool increment = c.item(kDirection) == kIncrement;
            return Action{0x07,
                          {Byte(increment ? 0x01 : 0x00), channel(c, kChannel)},
                          {head(profile, " "),
                           std::string(increment ? "increment" : "decrement") +
                               " and send Program Change" + channelPiece(c.item(kChannel)),
                           whenDepressed(profile, c)}};
        },
        [](const SettingReader& reader, std::size_t first, FormChoices& c) {
            if (const auto direction = reader.data(first)) {
                c.setItem(kDirection, *direction != 0x00 ? kIncrement : 1);
            }
            decodeChannel(reader, first + 1, c, kChannel);
        });
}

SettingForm rechannelizeForm(const FootswitchProfile& profile) {
    static constexpr std::string_view kIncoming = "ComboBox1";
    static constexpr std::string_view kPreset = "ComboBox2";
    constexpr int kNoPreset = 0;
    std::vector<std::string> presets{"none"};
    presets.insert(presets.end(), channelItems().begin(), channelItems().begin() + 16);
    return actionForm(
        profile, "Rechannel", "Rechannelize Setting",
        actionHeading(profile, " rechannelize MIDI messages when the footswitch is depressed..."),
        {channelField(std::string(kIncoming), "Incoming MIDI Channel to rechannelize:"),
         listField(std::string(kPreset), "Preset MIDI Channel to rechannelize to:", presets,
                   kNoPreset),
         operationLines(
             {"To specify the outgoing MIDI channel depress the footswitch, play the number of "
              "notes ",
              "corresponding to the channel to be sent out (these notes are not echoed to the "
              "MIDI Out), and release the ",
              "footswitch. If no notes are received while the footswitch is depressed then the "
              "outgoing MIDI channel is set to",
              "the preset MIDI channel specified above. After this operation has been performed "
              "once it is possible to toggle ",
              "between the original and the new MIDI channel by simply tapping the footswitch."})},
        [profile](const FormChoices& c) {
            const int preset = c.item(kPreset);
            Action action{0x09, {channel(c, kIncoming)}, {head(profile), "", ""}};
            action.comment[1] =
                " rechannelize MIDI messages" + channelPiece(c.item(kIncoming), false);
            if (preset == kNoPreset) {
                action.comment[1] += " to the channel selected ";
            } else {
                action.data.push_back(static_cast<Byte>(preset - 1));
                action.comment[1] +=
                    " to channel " + std::to_string(preset) + " or the channel selected ";
            }
            action.comment[2] = whenIs(profile, c) + " depressed }";
            return action;
        },
        [](const SettingReader& reader, std::size_t first, FormChoices& c) {
            decodeChannel(reader, first, c, kIncoming);
            const auto preset = reader.data(first + 1);
            c.setItem(kPreset,
                      !preset || *preset == 0xF7 ? kNoPreset : std::min<int>(*preset, 15) + 1);
        });
}

SettingForm transposeForm(const FootswitchProfile& profile) {
    static constexpr std::string_view kChannel = "ComboBox1";
    const std::string heading =
        profile.hasInputs()
            ? programThe(profile) +
                  " transpose notes by the interval selected when the following footswitch is "
                  "depressed..."
            : programThe(profile) + " operate in Transpose mode...";
    return actionForm(
        profile, "Transpose", "Transpose Setting", heading,
        {channelField(std::string(kChannel), "MIDI Channel to transpose:"),
         operationLines({"To specify the transpose interval depress the footswitch, play the note "
                         "above or below middle C corresponding",
                         "to the transpose interval (this note is not echoed to the MIDI Out), and "
                         "release the footswitch. After this operation has been ",
                         "performed once it is possible to toggle between the original and "
                         "transposed interval by simply tapping the footswitch."})},
        [profile](const FormChoices& c) {
            return Action{
                0x0A,
                {channel(c, kChannel)},
                {head(profile, " transpose Note messages"), channelPiece(c.item(kChannel), false),
                 " by the interval selected" + whenDepressed(profile, c)}};
        },
        [](const SettingReader& reader, std::size_t first, FormChoices& c) {
            decodeChannel(reader, first, c, kChannel);
        });
}

SettingForm tapTempoForm(const FootswitchProfile& profile) {
    const std::string sends =
        "The " + std::string(profile.product) + " continuously sends out MIDI Clock ";
    const std::string messages = "messages at a ";
    const std::string tempo = "tempo corresponding to the most recent taps of the footswitch.";
    SettingForm form = actionForm(
        profile, "Tempo", "Tap Tempo Setting",
        actionHeading(profile, profile.hasInputs() ? " control MIDI Clock tempo..."
                                                   : " generate MIDI Clock..."),
        {operationLines(profile.hasInputs() ? std::vector<std::string>{sends + messages, tempo}
                                            : std::vector<std::string>{sends, messages + tempo})},
        [profile](const FormChoices& c) {
            const std::string where = profile.hasInputs()
                                          ? "at Fsw" + std::to_string(inputNumber(c))
                                          : std::string("by the footswitch");
            return Action{0x0B,
                          {},
                          {head(profile,
                                " generate MIDI Clock messages at the tempo corresponding to the "
                                "taps received " +
                                    where + " }"),
                           "", ""}};
        });
    form.notes = overwriteNote(profile, true);
    return form;
}

SettingForm noteOnFilterForm(const FootswitchProfile& profile) {
    static constexpr std::string_view kChannel = "ComboBox1";
    return actionForm(
        profile, "NoteOnFilter", "Note-On Filter Setting",
        actionHeading(profile,
                      " filter Note-On messages on a selected MIDI channel when the footswitch is "
                      "depressed..."),
        {channelField(std::string(kChannel))},
        [profile](const FormChoices& c) {
            return Action{
                0x0C,
                {channel(c, kChannel)},
                {head(profile), " filter Note-On messages" + channelPiece(c.item(kChannel), false),
                 whenDepressed(profile, c)}};
        },
        [](const SettingReader& reader, std::size_t first, FormChoices& c) {
            decodeChannel(reader, first, c, kChannel);
        });
}

}  // namespace corlinth::footswitch
