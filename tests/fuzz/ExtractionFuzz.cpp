#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzLines.h"
#include "core/document/Extraction.h"
#include "core/document/SettingLine.h"

// The bytes as the lines of a document: extraction must end, and every message must come
// back to its line's own bytes once a System Exclusive length is taken off.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = fuzzLines(data, size);
    corlinth::MessageExtractor extractor(lines);
    std::size_t count = 0;
    while (extractor.getmtext()) {
        const corlinth::Bytes& message = extractor.currentMessage();
        const corlinth::Bytes line = corlinth::parseLine(lines[extractor.messageLine()]);
        if (corlinth::toWireForm(message) != line) {
            __builtin_trap();
        }
        if (++count > lines.size()) {
            __builtin_trap();
        }
    }
    return 0;
}
