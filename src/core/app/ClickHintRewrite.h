#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/app/FixedTexts.h"
#include "core/document/RichText.h"

namespace corlinth {

// Mac mode has no right mouse button to speak of: the installed examples say "control-click"
// where they say "right-click". Every position is compared, left to right, with exactly the
// eleven characters "right-click" or "Right-click" (case matters), and the comparison goes on
// after the characters it replaced.
std::string rewriteClickHints(std::string_view line);

// The same over a line with bold runs; a replacement takes the style of the character it
// starts at.
RichLine rewriteClickHints(const RichLine& line);

// A rich-text example document with its click hints rewritten, written back in `font`; no
// value when nothing needs rewriting or the document does not read to its end, so that the
// file stays byte for byte as shipped.
std::optional<std::string> rewriteClickHintsInDocument(std::string_view documentBytes,
                                                       const FontSpec& font);

}  // namespace corlinth
