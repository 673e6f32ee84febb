#include <cstddef>
#include <cstdint>
#include <span>

#include "core/products/routing/RouteDocument.h"
#include "core/products/routing/RouteFile.h"

// Whatever the bytes, reading ends; what was read loads into a document, and writes and reads
// back to itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<corlinth::RouteFileContents> read =
        corlinth::readRouteFile(std::span<const std::uint8_t>(data, size));
    if (!read) {
        return 0;
    }
    corlinth::RouteDocument doc;
    doc.load(*read);
    const corlinth::Bytes written = corlinth::writeRouteFile(doc.fileContents());
    if (corlinth::readRouteFile(written) != doc.fileContents()) {
        __builtin_trap();
    }
    return 0;
}
