#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corlinth {

// What distinguishes the nine text editors from each other, beyond the product record.
struct EditorProfile {
    std::string_view product;
    // The document New writes: a bold line and a plain one, each ended by a line break.
    // Gavrel and Hennic start empty.
    std::string_view initialMessageLine;
    std::string_view initialCommentLine;
    bool initialCommentTakesEditHint = false;  // Pirrow's ends in "  " + the edit hint
    // A setting line beginning with this is followed by its second message line.
    std::string_view twoLinePrefix;
    // A setting line beginning with this never offers "Edit Setting..." (the clear-all lines).
    std::string_view nonEditablePrefix;
    // The rule units: event lines follow the message line, the first line of the document is
    // replaced without the two extra line breaks, and their export has its own deltas.
    bool ruleUnit = false;
    // Pause between the answer to the Standard MIDI File warning and the export's file dialog.
    int exportDelayMs = 1000;
};

// The profile of a text product; nullptr for the structured products and unknown names.
const EditorProfile* editorProfile(std::string_view product);

// The initial document's lines (the text ends with a line break, so the last line is empty).
std::vector<std::string> initialDocumentLines(const EditorProfile& profile,
                                              std::string_view editHint);

}  // namespace corlinth
