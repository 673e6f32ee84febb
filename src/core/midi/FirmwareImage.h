#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/app/ProductRegistry.h"
#include "core/document/Bytes.h"

namespace corlinth {

// The layout of a firmware update file (".dat"); README.md, "Firmware update files", describes
// it in full. Offsets count from 0 at the start of the file.
namespace firmwareFormat {
inline constexpr std::size_t maxFileSize = 29000;
inline constexpr std::size_t keyBlockSize = 8;  // k0..k7, not scrambled
inline constexpr Byte keySeed = 0xA5;           // the running key before the first body byte
// After the key block: the update identifier, then the offset of the first firmware
// message as a high and a low byte.
inline constexpr std::size_t identifierOffset = keyBlockSize;
inline constexpr std::size_t messageStartOffset = keyBlockSize + 1;
inline constexpr std::size_t headerEnd = keyBlockSize + 3;
inline constexpr std::size_t checkScanLength = 300;  // the check block starts in the last 300
// The marker, six partial sums (high and low byte each), the total (high, middle, low byte).
inline constexpr std::size_t checkBlockSize = 1 + 6 * 2 + 3;
inline constexpr std::size_t partialSumCount = 6;
inline constexpr Byte requestCommand = 0x75;

// A byte that starts the check block: no firmware message holds one.
constexpr bool isCheckMarker(Byte b) {
    return b >= 0x80 && b <= 0xEF;
}
}  // namespace firmwareFormat

// The check values of an update file: over every unscrambled byte from the end of the key
// block up to the check block, the total modulo 2^24, and six partial sums modulo 2^16, sum j
// over the bytes whose index (counted from the end of the key block) has bit j set.
struct FirmwareSums {
    std::array<std::uint16_t, firmwareFormat::partialSumCount> partial{};
    std::uint32_t total = 0;
    bool operator==(const FirmwareSums&) const = default;
};

FirmwareSums firmwareSums(std::span<const Byte> body);

// What `fudecode` finds in an image.
struct FirmwareChecks {
    std::optional<std::size_t> checkBlock;  // where the check block starts; none without one
    FirmwareSums computed;                  // over the bytes before the check block
    FirmwareSums stored;                    // as the check block holds them
};

// `fudecode`: unscrambles everything after the key block in place, finds the check block and
// computes the check values. Any bytes are safe to hand in.
FirmwareChecks fudecode(std::span<Byte> image);

// An update file that has passed every check, unscrambled: the firmware messages lie between
// the message start and the check block, each F0, data bytes below 80 and F7.
class FirmwareImage {
  public:
    // Unscrambles and checks a whole file; nothing when it is not a valid update for the unit
    // with this update identifier (its device ID).
    static std::optional<FirmwareImage> decode(Bytes file, Byte expectedIdentifier);

    Byte updateIdentifier() const { return m_bytes[firmwareFormat::identifierOffset]; }
    std::size_t messageStart() const { return m_messageStart; }
    std::size_t checkBlock() const { return m_checkBlock; }
    std::span<const Byte> bytes() const { return m_bytes; }

    // Makes a unit that is being powered up enter its update mode: F0 00 00 50 id 75 F7.
    Bytes requestMessage() const;

    // The message at `position`: that byte and every following one up to and including the
    // next byte above 7F.
    Bytes messageAt(std::size_t position) const;
    // Whether `position` is where the sending stops: the check block (or the end).
    bool endsAt(std::size_t position) const;

    // The firmware messages in sending order.
    std::vector<Bytes> messages() const;

  private:
    FirmwareImage(Bytes bytes, std::size_t messageStart, std::size_t checkBlock)
        : m_bytes(std::move(bytes)), m_messageStart(messageStart), m_checkBlock(checkBlock) {}

    Bytes m_bytes;
    std::size_t m_messageStart;
    std::size_t m_checkBlock;
};

// The outcome of "Load File...": the image, or the warning to show.
struct FirmwareLoad {
    std::optional<FirmwareImage> image;
    std::string warning;
};

// Loads an update file for `product`. A file larger than the format allows is refused on its
// size alone, without `read` being called.
FirmwareLoad loadFirmwareUpdate(const ProductRecord& product, std::uintmax_t fileSize,
                                const std::function<Bytes()>& read);

}  // namespace corlinth
