#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/document/MidiFileExport.h"
#include "core/document/SettingLine.h"

// The bytes as the lines of a document: for both kinds of product the length counted by the
// first pass is the length the second pass writes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back().push_back(static_cast<char>(data[i]));
        }
    }
    for (const char* product : {"Pirrow", "Vantrel"}) {
        const corlinth::MidiExportProfile& profile = corlinth::midiExportProfile(product);
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
