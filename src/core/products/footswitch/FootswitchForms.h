#pragma once

#include "core/products/common/SettingForm.h"
#include "core/products/footswitch/FootswitchProfile.h"

namespace corlinth {

// The setting dialogs of the footswitch units, each described once for all three units.
namespace footswitch {

// Device parameters of the single-footswitch unit (command 00).
SettingForm deviceForm(const FootswitchProfile& profile);
// The input units' split device settings: echo and power-up (00 01), and toggle and polarity
// of one input (00 02).
SettingForm echoForm(const FootswitchProfile& profile);
SettingForm toggleForm(const FootswitchProfile& profile);

// Up to eight Note-On or Control Change messages with one of seven release modes.
SettingForm noteOnForm(const FootswitchProfile& profile);
SettingForm controlChangeForm(const FootswitchProfile& profile);

SettingForm pitchBendForm(const FootswitchProfile& profile);
SettingForm programChangeForm(const FootswitchProfile& profile);
SettingForm startStopForm(const FootswitchProfile& profile);
SettingForm incDecForm(const FootswitchProfile& profile);
SettingForm rechannelizeForm(const FootswitchProfile& profile);
SettingForm transposeForm(const FootswitchProfile& profile);
SettingForm tapTempoForm(const FootswitchProfile& profile);
SettingForm noteOnFilterForm(const FootswitchProfile& profile);

// A System Exclusive message of the user's own, sent on depress or on release.
SettingForm systemExclusiveForm(const FootswitchProfile& profile);

}  // namespace footswitch
}  // namespace corlinth
