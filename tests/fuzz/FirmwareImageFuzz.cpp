#include <cstddef>
#include <cstdint>

#include "core/midi/FirmwareImage.h"

// Any bytes as an update file: the checks must end without reading outside the file, and an
// accepted image must hold only whole messages before its check block.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corlinth::Bytes file(data, data + size);
    const auto image = corlinth::FirmwareImage::decode(file, 0x17);
    if (image) {
        std::size_t total = image->messageStart();
        for (const corlinth::Bytes& m : image->messages()) {
            if (m.size() < 2 || m.front() != 0xF0 || m.back() != 0xF7) {
                __builtin_trap();
            }
            total += m.size();
        }
        if (total != image->checkBlock()) {
            __builtin_trap();
        }
    }
    return 0;
}
