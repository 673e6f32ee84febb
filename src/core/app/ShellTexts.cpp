#include "core/app/ShellTexts.h"

#include "core/app/FixedTexts.h"

namespace corlinth {

std::string versionLine() {
    return "Version " + std::string(texts::version);
}

std::string resourceNotFound(std::string_view resourceName) {
    return std::string(texts::resourceNotFoundPrefix) + std::string(resourceName) +
           std::string(texts::resourceNotFoundSuffix);
}

std::string cannotCreateFile(std::string_view path, std::string_view platformMessage) {
    return std::string(texts::cannotCreateFilePrefix) + std::string(path) +
           std::string(texts::cannotCreateFileMiddle) + std::string(platformMessage);
}

std::string installFailureReport(const std::vector<std::string>& failures, std::size_t shown) {
    std::string report(texts::installFailed);
    report += "\r\n";
    for (std::size_t i = 0; i < failures.size() && i < shown; ++i) {
        report += "\r\n" + failures[i];
    }
    if (failures.size() > shown) {
        report += "\r\n" + std::string(texts::moreFailuresPrefix) +
                  std::to_string(failures.size() - shown) + std::string(texts::moreFailuresSuffix);
    }
    return report;
}

}  // namespace corlinth
