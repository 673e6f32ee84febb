#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/document/RtfReader.h"
#include "core/document/RtfWriter.h"

// Whatever the bytes, reading ends; and what was read writes and reads back to itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const corlinth::DocumentReading reading = corlinth::readDocumentFile(bytes);
    const std::string rtf = corlinth::writeRtf(reading.document, "Tahoma", 9);
    const corlinth::DocumentReading again = corlinth::readRtf(rtf);
    if (!(again.document.plainLines() == reading.document.plainLines())) {
        __builtin_trap();
    }
    return 0;
}
