#pragma once

#include <string>
#include <string_view>

#include "core/document/RichText.h"

namespace corlinth {

// Writes RTF 1 in code page 1252 with a one-font table: bold runs between \b and \b0 and one
// \par per line break. Characters outside the code page are written as \u escapes.
std::string writeRtf(const RichDocument& document, std::string_view fontFamily, int pointSize);

}  // namespace corlinth
