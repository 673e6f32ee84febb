#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/document/VersionOneImport.h"

namespace corlinth {

class FootswitchCatalogue;

// The single-footswitch unit's part of the version 1 import: a file holds the device
// parameters and one setting as System Exclusive events (a System Exclusive setting may hold a
// depress and a release message). The settings are written in the layouts of today's dialogs,
// so each can be edited afterwards, with the comments the first version's import wrote.
class PirrowVersionOne : public VersionOneProduct {
  public:
    explicit PirrowVersionOne(const FootswitchCatalogue& catalogue) : m_catalogue(catalogue) {}

    std::string_view invalidFileText() const override;
    std::optional<std::vector<ImportedSetting>> importSettings(
        VersionOneImage& image) const override;

  private:
    const FootswitchCatalogue& m_catalogue;
};

}  // namespace corlinth
