#pragma once

#include <string>
#include <string_view>

#include "core/document/Bytes.h"
#include "core/products/common/SettingForm.h"
#include "core/products/common/SettingReader.h"

namespace corlinth {

// What tells the three footswitch units apart: Pirrow has one footswitch and writes its data
// right after the command byte; Strayne and Kelto name one of their inputs in the byte after
// the command and split the device parameters into two settings.
struct FootswitchProfile {
    std::string_view product;  // the display name: "Pirrow"
    Byte deviceId;
    int inputs;  // 0 for the single-footswitch unit, which writes no input byte

    bool hasInputs() const { return inputs > 0; }
    // The dialog's window name: "T" + product + role ("TKeltoNoteOn").
    std::string windowName(std::string_view role) const;
    // Byte 6 for Pirrow, one later behind the input byte.
    std::size_t dataStart() const { return hasInputs() ? 7 : 6; }
};

// nullptr for every product that is no footswitch unit.
const FootswitchProfile* footswitchProfile(std::string_view product);

// Helpers shared by the footswitch dialogs.
namespace footswitch {

inline constexpr std::string_view kInputField = "ComboBoxInput";

// The "Footswitch Input:" list: "Fsw1" to "Fsw2" or "Fsw8".
FormField inputField(const FootswitchProfile& profile);
// The input field first, when the unit has inputs, then the dialog's own fields.
std::vector<FormField> withInput(const FootswitchProfile& profile, std::vector<FormField> fields);
// The chosen input's number as comments write it, 1 to 8.
int inputNumber(const FormChoices& choices);
// Reads the input, byte 6 of an action setting; a byte beyond the unit's inputs selects the
// last one.
void decodeInput(const FootswitchProfile& profile, const SettingReader& reader,
                 FormChoices& choices, std::size_t position = 6);

// F0 00 00 50, the device, the command, the input byte when the unit has one, the data, F7.
Bytes actionMessage(const FootswitchProfile& profile, Byte command, const FormChoices& choices,
                    const Bytes& data);
// F0 00 00 50, the device, then `body`, then F7.
Bytes deviceMessage(const FootswitchProfile& profile, const Bytes& body);

// "Program the Pirrow to" or "Program the Strayne to", as comments begin after "{ ".
std::string programThe(const FootswitchProfile& profile);
// "when the footswitch is" or "when Fsw2 is".
std::string whenIs(const FootswitchProfile& profile, const FormChoices& choices);
// The heading of an action dialog: "Program the Pirrow to" or "Program an input of the
// Strayne to", then `rest`.
std::string actionHeading(const FootswitchProfile& profile, std::string_view rest);
// The note under an action dialog; Tap Tempo splits the input units' note over two lines.
std::vector<std::string> overwriteNote(const FootswitchProfile& profile, bool split = false);
// "Pirrow " + what: the dialog's caption.
std::string caption(const FootswitchProfile& profile, std::string_view what);

// Fields and their decoding used by many dialogs.
using corlinth::listField;  // shared by every family's dialogs
FormField channelField(std::string name, std::string caption = "MIDI Channel:");
FormField valueField(std::string name, std::string caption, int defaultItem);
FormField operationLines(std::vector<std::string> lines);
void decodeChannel(const SettingReader& reader, std::size_t position, FormChoices& choices,
                   std::string_view field);
void decodeValue(const SettingReader& reader, std::size_t position, FormChoices& choices,
                 std::string_view field);

// " on all MIDI Channels" or " on MIDI Channel " and the number; some comments write
// "channels" in lower case.
std::string channelPiece(int channelItem, bool capital = true);

}  // namespace footswitch
}  // namespace corlinth
