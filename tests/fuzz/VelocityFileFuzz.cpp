#include <cstddef>
#include <cstdint>
#include <span>

#include "core/products/velocity/VelocityDocument.h"
#include "core/products/velocity/VelocityFile.h"

// Whatever the bytes, reading ends; what was read loads into a document, and writes and reads
// back to itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<corlinth::VelocityFileContents> read =
        corlinth::readVelocityFile(std::span<const std::uint8_t>(data, size));
    if (!read) {
        return 0;
    }
    corlinth::VelocityDocument doc;
    doc.load(*read);
    const corlinth::Bytes written = corlinth::writeVelocityFile(doc.fileContents());
    if (corlinth::readVelocityFile(written) != doc.fileContents()) {
        __builtin_trap();
    }
    return 0;
}
