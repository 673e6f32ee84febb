#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace corlinth {

enum class EditorKind { Text, Structured };

// One example document shipped inside the program and written out on the first run.
struct ExampleDocument {
    std::string_view resource;  // resource name, compared without regard to case
    std::string_view fileName;  // Windows-style, with the leading backslash: "\Example (...).rtf"
};

// Everything about a product that the shell, the transmission and the document frame need.
// Every product-dependent branch looks this record up; nothing compares names by prefix.
struct ProductRecord {
    std::string_view displayName;
    std::uint8_t deviceId;
    EditorKind editorKind;
    std::string_view mainWindow;
    std::span<const std::string_view> companionWindows;  // in creation order, after the main one
    std::string_view selectionButton;
    std::string_view documentsFolder;  // Windows-style sub-folder of the documents root: "\Pirrow"
    std::string_view helpResource;
    std::string_view helpFileName;  // Windows-style, in the program's folder
    int firstMessageIntervalMs;     // 0 for the structured products, which pace themselves
    std::span<const ExampleDocument> examples;
    bool versionOneImportMenu;
    bool firmwareUpdateMenu;  // shown only when the hidden switch is on as well
};

// All eleven products, in the order the first run installs their documents.
std::span<const ProductRecord> allProducts();

// The record whose display name equals `name` as a whole; nullptr for anything else,
// including the empty name of "no product chosen yet".
const ProductRecord* findProduct(std::string_view name);

// Names of the programs's own windows that belong to no product.
namespace windows {
inline constexpr std::string_view productSelect = "TProductSelect";
inline constexpr std::string_view aboutBox = "TAboutBox";
inline constexpr std::string_view messageBox = "TMsgBox";
inline constexpr std::string_view macMidi = "TMacMIDI";
inline constexpr std::string_view transport = "TTransportForm";
}  // namespace windows

}  // namespace corlinth
