#include "core/document/EditorProfile.h"

#include <array>

namespace corlinth {
namespace {

constexpr std::string_view kRuleClearAllComment =
    "{ Clear All Settings - allow all MIDI events not specified below to pass through "
    "unchanged }";

const std::array<EditorProfile, 9> kProfiles{{
    {"Pirrow", "F0 00 00 50 04 00 01 00 F7",
     "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI Out, "
     "Toggle OFF for normal depress and release operation, Auto Polarity to ON to determine the "
     "polarity of the footswitch on power-up, and send nothing on power-up",
     true, "F0 00 00 50 04 06", "", false, 1000},
    {"Kelto", "F0 00 00 50 24 00 00 F7", "{ Kelto Clear All Settings }", false, "F0 00 00 50 24 06",
     "F0 00 00 50 24 00 00", false, 1000},
    {"Strayne", "F0 00 00 50 14 00 00 F7", "{ Strayne Clear All Settings }", false,
     "F0 00 00 50 14 06", "F0 00 00 50 14 00 00", false, 1000},
    {"Hennic", "", "", false, "F0 00 00 50 17 01 03", "", false, 1000},
    {"Gavrel", "", "", false, "F0 00 00 50 16 01 03", "", false, 1000},
    {"Brannic", "F0 00 00 50 26 00 F7", "{ Brannic Clear All Settings }", false,
     "F0 00 00 50 26 04", "F0 00 00 50 26 00", false, 1000},
    {"Tessol", "F0 00 00 50 06 00 F7", "{ Tessol Clear All Settings }", false, "F0 00 00 50 06 04",
     "F0 00 00 50 06 00", false, 1000},
    {"Vantrel", "F0 00 00 50 29 00 F7", kRuleClearAllComment, false, "", "F0 00 00 50 29 00 F7",
     true, 10},
    {"Sodrin", "F0 00 00 50 28 00 F7", kRuleClearAllComment, false, "", "F0 00 00 50 28 00 F7",
     true, 1000},
}};

}  // namespace

const EditorProfile* editorProfile(std::string_view product) {
    for (const EditorProfile& profile : kProfiles) {
        if (profile.product == product) {
            return &profile;
        }
    }
    return nullptr;
}

std::vector<std::string> initialDocumentLines(const EditorProfile& profile,
                                              std::string_view editHint) {
    if (profile.initialMessageLine.empty()) {
        return {""};
    }
    std::string comment(profile.initialCommentLine);
    if (profile.initialCommentTakesEditHint) {
        comment += "  ";
        comment += editHint;
    }
    return {std::string(profile.initialMessageLine), comment, ""};
}

}  // namespace corlinth
