#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/FixedTexts.h"
#include "core/document/Bytes.h"
#include "core/document/RichText.h"
#include "core/document/VersionOneImage.h"

namespace corlinth {

// Import of the files of the program's first version: single-track MIDI files holding a
// product's settings as System Exclusive events and the user's notes as a text event. The
// frame here reads the file, checks the header every product shares and builds the new
// document; what a product's records are, and which setting lines they become, is the
// product's own part (a VersionOneProduct).

namespace versionOne {
// The image position where the header shared by all products ends and the product's part of
// the test begins.
inline constexpr std::size_t productPartStart = 37;
}  // namespace versionOne

// One setting the import writes: its message line in bold (and a second bold line where the
// setting has one), then its comment in plain style.
struct ImportedSetting {
    std::string messageLine;  // "F0 00 00 50 04 04 0A 00 F7"
    std::string secondLine;   // a two-line setting's second message line; empty otherwise
    // The comment without its ending: the frame adds two blanks and the edit hint, as in
    // "{ Program the Pirrow to ..." + "  (right-click to edit) }".
    std::string comment;
    // Off for a comment that is complete as it stands and gets no edit hint
    // ("{ Tessol Clear All Settings }").
    bool editHint = true;

    bool operator==(const ImportedSetting&) const = default;
};

// What a product adds to the frame: its part of `goodtest` and the settings it writes.
class VersionOneProduct {
  public:
    virtual ~VersionOneProduct() = default;

    // The information shown for a file that fails the test: "Not a valid Pirrow file."
    virtual std::string_view invalidFileText() const = 0;

    // The product's part of `goodtest` together with the conversion. The image has passed the
    // shared header checks (positions 0 to 36) and a controller event at position 38 has been
    // taken out; the product reads on from position 37 (`at`, `holds`, or `getchar` after
    // `seek`). Returns the settings to write, in document order, or nothing when the image is
    // no valid file of this product.
    virtual std::optional<std::vector<ImportedSetting>> importSettings(
        VersionOneImage& image) const = 0;
};

// What reading the file gives, before any check.
struct VersionOneReading {
    Bytes image;
    // The text event's lines as the file holds them (CR dropped, split at LF), in code page
    // 1252 turned into UTF-8; empty when the file has no text event.
    std::vector<std::string> commentLines;
    // The reading ended at its bound. A file that ends before it is no version 1 file.
    bool complete = false;
};

// The reading rules: the text event at image position 37 goes to the comment lines, a 00
// just before it is dropped, the 32 bytes after position 36 are skipped (the 33rd is stored
// as 20), and reading stops at a bound of the file size less 32 less the text event's bytes.
// Nothing is ever read past the end of `file`.
VersionOneReading readVersionOneFile(std::span<const Byte> file);

// The shared part of `goodtest`: the header checks and the removal of a controller event at
// position 38. Nothing when a check fails.
std::optional<VersionOneImage> checkVersionOneHeader(Bytes image);

// `goodtest` as a whole: the reading complete, the shared part, then the product's part.
std::optional<std::vector<ImportedSetting>> goodtest(const VersionOneReading& reading,
                                                     const VersionOneProduct& product);

// The new document: the settings first, each as its bold line or lines, its comment and a
// blank line, then the old notes, every one of their lines in braces.
RichDocument buildImportedDocument(std::span<const ImportedSetting> settings,
                                   std::span<const std::string> commentLines, PlatformMode mode);

// The import of one file's bytes: either the new document, or the product's invalid-file text
// for the information box (the open document is then left untouched).
struct VersionOneImport {
    std::optional<RichDocument> document;
    std::string_view message;
};
VersionOneImport importVersionOneFile(std::span<const Byte> file, const VersionOneProduct& product,
                                      PlatformMode mode);

}  // namespace corlinth
