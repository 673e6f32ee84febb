#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/FixedTexts.h"
#include "core/app/InstallationPlan.h"

namespace corlinth::platform {

// The documents the program carries, by resource name: the files of one folder, normally the
// Qt resource folder ":/documents" (whose files are named by resource name, through their
// alias). Names are looked up without regard to case.
class ResourceFolder {
  public:
    explicit ResourceFolder(std::string folder) : m_folder(std::move(folder)) {}

    // The bytes of the resource; no value when there is no such resource or it cannot be
    // read, with the reason in `error`.
    std::optional<std::string> read(std::string_view resourceName, std::string& error) const;

  private:
    std::string m_folder;
};

struct InstallReport {
    int documentsWritten = 0;
    std::vector<std::string> failures;  // one line each, with the platform's message
};

// Carries out the first-run installation: makes each documents folder, and writes each
// document byte for byte from its resource, clearing a read-only flag first and setting it
// afterwards. Rich-text examples marked for it get their click hints rewritten and are
// written in `rewriteFont`. A failure is noted and the installation goes on with the next
// document; a folder that cannot be made skips that product's examples.
InstallReport installDocuments(const std::vector<InstallStep>& plan,
                               const ResourceFolder& resources, const FontSpec& rewriteFont);

}  // namespace corlinth::platform
