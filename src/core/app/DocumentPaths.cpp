#include "core/app/DocumentPaths.h"

namespace corlinth {
namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string withoutTrailingSeparators(std::string_view path) {
    while (!path.empty() && isSeparator(path.back())) {
        path.remove_suffix(1);
    }
    return std::string(path);
}

}  // namespace

std::string documentsRootWindowsMode(std::string_view currentDirectory) {
    return withoutTrailingSeparators(currentDirectory);
}

std::string documentsRootMacMode(std::string_view userDocumentsFolder) {
    return withoutTrailingSeparators(userDocumentsFolder) + "/Quarnell";
}

std::string joinDocumentPath(std::string_view root, std::string_view windowsStyleName,
                             char separator) {
    std::string path = withoutTrailingSeparators(root);
    while (!windowsStyleName.empty() && isSeparator(windowsStyleName.front())) {
        windowsStyleName.remove_prefix(1);
    }
    path.push_back(separator);
    for (char c : windowsStyleName) {
        path.push_back(isSeparator(c) ? separator : c);
    }
    return path;
}

std::string userNameOrDefault(std::string_view loginName) {
    if (loginName.empty()) {
        return "Quarnell";
    }
    return std::string(loginName.substr(0, 255));
}

}  // namespace corlinth
