#pragma once

#include <string_view>

// Texts the two structured editors (routing and velocity) share.
namespace corlinth::texts {

inline constexpr std::string_view settingsChangedPrompt =
    "The settings have changed. Do you want to save the changes?";
inline constexpr std::string_view commentsChangedPrompt =
    "The comments has changed. Do you want to save the changes?";
inline constexpr std::string_view commentsHeading = "COMMENTS:";
// The last entry of the input and control-change channel lists.
inline constexpr std::string_view allChannels = "All";

}  // namespace corlinth::texts
