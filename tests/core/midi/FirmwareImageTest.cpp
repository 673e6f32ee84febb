#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app/ProductRegistry.h"
#include "core/midi/FirmwareFileBuilder.h"
#include "core/midi/FirmwareImage.h"

namespace corlinth {
namespace {

using testing::FirmwareFile;

const std::vector<Bytes> kMessages{
    {0xF0, 0x00, 0x00, 0x50, 0x17, 0x01, 0x02, 0x03, 0xF7},
    {0xF0, 0x10, 0xF7},
    {0xF0, 0x7F, 0x7F, 0x00, 0xF7},
};

FirmwareFile wellFormed() {
    FirmwareFile file;
    file.freeArea = {0x03, 0x00, 0x06, 0xFF, 0x80};  // anything may stand before the messages
    file.messages = kMessages;
    file.trailer = {0x00, 0xFF, 0x12};
    return file;
}

std::vector<std::string> hexMessages(const FirmwareImage& image) {
    std::vector<std::string> out;
    for (const Bytes& m : image.messages()) {
        out.push_back(hexLine(m));
    }
    return out;
}

// Worked out by hand from the format description, independently of the builder: key
// 01..08, identifier 17, messages F0 01 02 F7 and F0 7F F7, check block marker A0.
TEST(FirmwareImage, ReadsTheReferenceFile) {
    const Bytes file{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x52, 0x2A, 0xE1, 0x23,
                     0x06, 0x22, 0x9F, 0x41, 0x16, 0xED, 0x72, 0x21, 0x7A, 0x2E, 0xC6, 0x7E,
                     0x5D, 0x43, 0xC4, 0x8B, 0xBD, 0xB8, 0xA0, 0x29, 0xD3, 0x80};
    const auto image = FirmwareImage::decode(file, 0x17);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->updateIdentifier(), 0x17);
    EXPECT_EQ(image->messageStart(), 11u);
    EXPECT_EQ(image->checkBlock(), 18u);
    EXPECT_EQ(hexMessages(*image), (std::vector<std::string>{"F0 01 02 F7", "F0 7F F7"}));
    EXPECT_EQ(hexLine(image->requestMessage()), "F0 00 00 50 17 75 F7");
}

TEST(FirmwareImage, FudecodeUnscramblesInPlaceAndComputesTheChecks) {
    const FirmwareFile spec = wellFormed();
    Bytes image = spec.build();
    const FirmwareChecks checks = fudecode(image);
    const Bytes plain = spec.plainBody();
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), image.begin() + 8));
    ASSERT_TRUE(checks.checkBlock.has_value());
    EXPECT_EQ(*checks.checkBlock, 8 + plain.size());
    EXPECT_EQ(checks.computed, checks.stored);
    EXPECT_EQ(checks.computed, firmwareSums(plain));
}

struct FileCase {
    const char* name;
    std::function<Bytes()> file;
    bool accepted;
};

class FirmwareFileCheck : public ::testing::TestWithParam<FileCase> {};

TEST_P(FirmwareFileCheck, AcceptsOnlyAnIntactUpdateForTheUnit) {
    const auto image = FirmwareImage::decode(GetParam().file(), 0x17);
    EXPECT_EQ(image.has_value(), GetParam().accepted);
    if (image) {
        EXPECT_EQ(hexMessages(*image), (std::vector<std::string>{"F0 00 00 50 17 01 02 03 F7",
                                                                 "F0 10 F7", "F0 7F 7F 00 F7"}));
    }
}

Bytes flipped(std::size_t offset) {
    Bytes file = wellFormed().build();
    file[offset] ^= 0x01;
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FirmwareFileCheck,
    ::testing::Values(
        FileCase{"WellFormed", [] { return wellFormed().build(); }, true},
        // Key 8, header 3, free area 5: offset 18 is the first message's first data byte.
        FileCase{"FlippedMessageByte", [] { return flipped(18); }, false},
        FileCase{"FlippedKeyByte", [] { return flipped(2); }, false},
        FileCase{"FlippedIdentifier", [] { return flipped(8); }, false},
        FileCase{"FlippedStoredSum", [] { return flipped(wellFormed().build().size() - 5); },
                 false},
        // The trailer is neither checked nor sent.
        FileCase{"FlippedTrailer", [] { return flipped(wellFormed().build().size() - 1); }, true},
        FileCase{"WrongIdentifier",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.identifier = 0x16;
                     return f.build();
                 },
                 false},
        FileCase{"NoCheckBlock",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.withCheckBlock = false;
                     return f.build();
                 },
                 false},
        // The check block must start within the last 300 bytes.
        FileCase{"CheckBlockExactly300FromTheEnd",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.trailer.assign(300 - 16, 0x00);
                     return f.build();
                 },
                 true},
        FileCase{"CheckBlock301FromTheEnd",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.trailer.assign(301 - 16, 0x00);
                     return f.build();
                 },
                 false},
        FileCase{"CheckBlockCutShort",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.trailer.clear();
                     Bytes file = f.build();
                     file.pop_back();
                     return file;
                 },
                 false},
        // A byte that is neither data nor the end of a message would reach the unit.
        FileCase{"StrayStatusByteInAMessage",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.messages[1] = {0xF0, 0xF8, 0x10, 0xF7};
                     return f.build();
                 },
                 false},
        FileCase{"MessageWithoutItsEnd",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.messages[2] = {0xF0, 0x7F, 0x7F, 0x00};
                     return f.build();
                 },
                 false},
        FileCase{"NoMessages",
                 [] {
                     FirmwareFile f = wellFormed();
                     f.messages.clear();
                     return f.build();
                 },
                 false},
        FileCase{"Empty", [] { return Bytes{}; }, false},
        FileCase{"OnlyTheKeyBlock", [] { return Bytes(8, 0x11); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A well-formed file of exactly `size` bytes, the room taken by the free area.
Bytes fileOfSize(std::size_t size) {
    FirmwareFile f = wellFormed();
    f.freeArea.clear();
    const std::size_t rest = f.build().size();
    f.freeArea.assign(size - rest, 0x00);
    return f.build();
}

TEST(FirmwareImage, TakesAFileOf29000BytesAndRefuses29001WithoutReadingIt) {
    const ProductRecord& hennic = *findProduct("Hennic");
    int reads = 0;
    const Bytes largest = fileOfSize(29000);
    ASSERT_EQ(largest.size(), 29000u);
    const FirmwareLoad accepted = loadFirmwareUpdate(hennic, largest.size(), [&] {
        ++reads;
        return largest;
    });
    EXPECT_TRUE(accepted.image.has_value());
    EXPECT_EQ(accepted.warning, "");
    EXPECT_EQ(reads, 1);

    const FirmwareLoad refused = loadFirmwareUpdate(hennic, 29001, [&] {
        ++reads;
        return fileOfSize(29001);
    });
    EXPECT_FALSE(refused.image.has_value());
    EXPECT_EQ(refused.warning, "Not a valid Hennic Firmware Update File.");
    EXPECT_EQ(reads, 1);
    // Nor does a file that grew after its size was taken get through.
    EXPECT_FALSE(FirmwareImage::decode(fileOfSize(29001), 0x17).has_value());
}

TEST(FirmwareImage, ABadFileGivesTheProductsWarning) {
    const FirmwareLoad load =
        loadFirmwareUpdate(*findProduct("Hennic"), 40, [] { return Bytes(40, 0x42); });
    EXPECT_FALSE(load.image.has_value());
    EXPECT_EQ(load.warning, "Not a valid Hennic Firmware Update File.");
}

}  // namespace
}  // namespace corlinth
