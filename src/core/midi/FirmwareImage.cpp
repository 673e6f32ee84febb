#include "core/midi/FirmwareImage.h"

#include <algorithm>

#include "core/midi/TransmissionTexts.h"

namespace corlinth {

using namespace firmwareFormat;

FirmwareSums firmwareSums(std::span<const Byte> body) {
    FirmwareSums sums;
    for (std::size_t i = 0; i < body.size(); ++i) {
        sums.total = (sums.total + body[i]) & 0xFFFFFF;
        for (std::size_t j = 0; j < partialSumCount; ++j) {
            if ((i >> j) & 1) {
                sums.partial[j] = static_cast<std::uint16_t>(sums.partial[j] + body[i]);
            }
        }
    }
    return sums;
}

FirmwareChecks fudecode(std::span<Byte> image) {
    FirmwareChecks checks;
    if (image.size() <= keyBlockSize) {
        return checks;
    }
    unsigned running = keySeed;
    for (std::size_t p = keyBlockSize; p < image.size(); ++p) {
        running = (5 * running + image[(p - keyBlockSize) % keyBlockSize] + 1) & 0xFF;
        image[p] = static_cast<Byte>(image[p] - running);
    }
    if (image.size() < headerEnd) {
        return checks;
    }
    const std::size_t start =
        (std::size_t{image[messageStartOffset]} << 8) | image[messageStartOffset + 1];
    if (start < headerEnd || start >= image.size()) {
        return checks;
    }
    // The free bytes before the messages may hold anything, so the scan starts no earlier
    // than the messages, which hold no byte from 80 to EF.
    const std::size_t tail = image.size() > checkScanLength ? image.size() - checkScanLength : 0;
    const auto found =
        std::find_if(image.begin() + static_cast<std::ptrdiff_t>(std::max(start, tail)),
                     image.end(), isCheckMarker);
    const auto c = static_cast<std::size_t>(found - image.begin());
    if (found == image.end() || image.size() - c < checkBlockSize) {
        return checks;
    }
    checks.checkBlock = c;
    checks.computed = firmwareSums(image.subspan(keyBlockSize, c - keyBlockSize));
    for (std::size_t j = 0; j < partialSumCount; ++j) {
        checks.stored.partial[j] =
            static_cast<std::uint16_t>((image[c + 1 + 2 * j] << 8) | image[c + 2 + 2 * j]);
    }
    const std::size_t t = c + 1 + 2 * partialSumCount;
    checks.stored.total =
        (std::uint32_t{image[t]} << 16) | (std::uint32_t{image[t + 1]} << 8) | image[t + 2];
    return checks;
}

namespace {

// Every byte from the message start up to the check block belongs to a message F0 .. F7, so
// that the sending never meets a stray byte.
bool messagesWellFormed(std::span<const Byte> messages) {
    if (messages.empty()) {
        return false;
    }
    bool inside = false;
    for (const Byte b : messages) {
        if (!inside) {
            if (b != 0xF0) {
                return false;
            }
            inside = true;
        } else if (b == 0xF7) {
            inside = false;
        } else if (b > 0x7F) {
            return false;
        }
    }
    return !inside;
}

}  // namespace

std::optional<FirmwareImage> FirmwareImage::decode(Bytes file, Byte expectedIdentifier) {
    if (file.size() > maxFileSize) {
        return std::nullopt;
    }
    const FirmwareChecks checks = fudecode(file);
    if (!checks.checkBlock || checks.computed != checks.stored) {
        return std::nullopt;
    }
    if (file[identifierOffset] != expectedIdentifier || expectedIdentifier > 0x7F) {
        return std::nullopt;
    }
    const std::size_t start =
        (std::size_t{file[messageStartOffset]} << 8) | file[messageStartOffset + 1];
    const std::size_t c = *checks.checkBlock;
    if (!messagesWellFormed(std::span<const Byte>(file).subspan(start, c - start))) {
        return std::nullopt;
    }
    return FirmwareImage(std::move(file), start, c);
}

Bytes FirmwareImage::requestMessage() const {
    return {0xF0, 0x00, 0x00, 0x50, updateIdentifier(), requestCommand, 0xF7};
}

Bytes FirmwareImage::messageAt(std::size_t position) const {
    Bytes message;
    if (position >= m_bytes.size()) {
        return message;
    }
    message.push_back(m_bytes[position]);
    for (std::size_t p = position + 1; p < m_bytes.size(); ++p) {
        message.push_back(m_bytes[p]);
        if (m_bytes[p] > 0x7F) {
            break;
        }
    }
    return message;
}

bool FirmwareImage::endsAt(std::size_t position) const {
    return position >= m_checkBlock;
}

std::vector<Bytes> FirmwareImage::messages() const {
    std::vector<Bytes> out;
    for (std::size_t p = m_messageStart; !endsAt(p);) {
        out.push_back(messageAt(p));
        p += out.back().size();
    }
    return out;
}

FirmwareLoad loadFirmwareUpdate(const ProductRecord& product, std::uintmax_t fileSize,
                                const std::function<Bytes()>& read) {
    FirmwareLoad load;
    if (fileSize <= maxFileSize) {
        load.image = FirmwareImage::decode(read(), product.deviceId);
    }
    if (!load.image) {
        load.warning = invalidFirmwareText(product.displayName);
    }
    return load;
}

}  // namespace corlinth
