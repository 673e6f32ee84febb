#pragma once

#include <string>
#include <string_view>

#include "core/document/RichText.h"

namespace corlinth {

struct DocumentReading {
    RichDocument document;
    bool wasRtf = false;
    // False when the RTF ended before its outermost group closed; the text read so far is kept.
    bool complete = true;
};

// Reads RTF from any writer (this program, word processors, text editors): groups, \par,
// \line, \tab, \'hh in code page 1252, \uN with \ucN skipping, \b, \b0 and \plain. Everything
// in a destination it does not show (font and colour tables, style sheets, document info,
// pictures, {\*\...} groups) is skipped. Never fails: bad input gives the text read so far.
DocumentReading readRtf(std::string_view bytes);

// A document file as the editor opens it: RTF when it begins with "{\rtf", otherwise plain
// text (UTF-8 when it is valid UTF-8, code page 1252 otherwise) split at its line breaks.
DocumentReading readDocumentFile(std::string_view bytes);

}  // namespace corlinth
