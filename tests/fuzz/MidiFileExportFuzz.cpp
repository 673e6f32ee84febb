#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzLines.h"
#include "core/document/MidiFileExport.h"
#include "core/document/SettingLine.h"

// The bytes as the lines of a document: for both kinds of product the length counted by the
// first pass is the length the second pass writes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = fuzzLines(data, size);
    for (const char* product : {"Pirrow", "Vantrel"}) {
        const corlinth::MidiExportProfile& profile =
            corlinth::midiExportProfile(*corlinth::editorProfile(product));
        corlinth::midiExportRefusal(lines, profile, corlinth::parseLine);
        const corlinth::Bytes file = corlinth::exportMidiFile(lines, profile, corlinth::parseLine);
        const std::size_t length = (std::size_t{file[18]} << 24) | (std::size_t{file[19]} << 16) |
                                   (std::size_t{file[20]} << 8) | file[21];
        if (length != file.size() - 22) {
            __builtin_trap();
        }
    }
    return 0;
}
