#include "core/app/InstallationPlan.h"

#include <cctype>

#include "core/app/DocumentPaths.h"

namespace corlinth {
namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) !=
            std::tolower(static_cast<unsigned char>(suffix[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool rewritesClickHints(std::string_view fileName, PlatformMode mode) {
    return mode == PlatformMode::Mac && endsWithNoCase(fileName, ".rtf");
}

std::vector<InstallStep> installationPlan(std::span<const ProductRecord> products,
                                          std::string_view documentsRoot,
                                          std::string_view programFolder, PlatformMode mode,
                                          char separator) {
    std::vector<InstallStep> plan;
    for (const ProductRecord& product : products) {
        const std::string folder =
            joinDocumentPath(documentsRoot, product.documentsFolder, separator);
        plan.push_back(
            {InstallStep::Kind::MakeFolder, product.displayName, folder, {}, false, false});
        for (const ExampleDocument& example : product.examples) {
            plan.push_back({InstallStep::Kind::WriteDocument, product.displayName,
                            joinDocumentPath(folder, example.fileName, separator), example.resource,
                            rewritesClickHints(example.fileName, mode), false});
        }
        plan.push_back({InstallStep::Kind::WriteDocument, product.displayName,
                        joinDocumentPath(programFolder, product.helpFileName, separator),
                        product.helpResource, rewritesClickHints(product.helpFileName, mode),
                        true});
    }
    return plan;
}

}  // namespace corlinth
