#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/FixedTexts.h"
#include "core/app/ProductRegistry.h"

namespace corlinth {

// One step of the first-run installation, as the installer carries it out.
struct InstallStep {
    enum class Kind { MakeFolder, WriteDocument };
    Kind kind = Kind::MakeFolder;
    std::string_view product;
    std::string path;                // native path of the folder or the document
    std::string_view resource;       // WriteDocument: the resource it is written from
    bool rewriteClickHints = false;  // Mac mode and a rich-text example
    bool helpDocument = false;       // goes into the program's folder, not the product's
    bool operator==(const InstallStep&) const = default;
};

// For each product in installation order: its documents sub-folder under the documents root,
// each example document into it, then its help document into the program's folder.
std::vector<InstallStep> installationPlan(std::span<const ProductRecord> products,
                                          std::string_view documentsRoot,
                                          std::string_view programFolder, PlatformMode mode,
                                          char separator);

// Whether the installer rewrites the click hints of this file: Mac mode, and ".rtf" files only
// (the MIDI documents and the help documents are never touched).
bool rewritesClickHints(std::string_view fileName, PlatformMode mode);

}  // namespace corlinth
