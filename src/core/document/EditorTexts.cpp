#include "core/document/EditorTexts.h"

namespace corlinth::editor_texts {

std::string windowTitle(std::string_view product, std::string_view fileNameWithoutFolder) {
    std::string title = "Quarnell ";
    title += product;
    title += " Corlinth - ";
    if (fileNameWithoutFolder.empty()) {
        title += "[Untitled]";
    } else {
        title += fileNameWithoutFolder;
    }
    return title;
}

std::string programItem(std::string_view product) {
    return "     Program the " + std::string(product) + "...        ";
}

std::string helpItem(std::string_view product) {
    return std::string(product) + " Corlinth Help...";
}

std::string proposedDocumentName(std::string_view product) {
    return std::string(product) + " Settings.rtf";
}

std::string proposedMidiName(std::string_view product) {
    return std::string(product) + " Settings.mid";
}

std::string macMenuCaption(std::string_view caption) {
    return "     " + std::string(caption) + "        ";
}

std::string withExtension(std::string_view path, std::string_view extension) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.find('.') != std::string_view::npos) {
        return std::string(path);
    }
    return std::string(path) + "." + std::string(extension);
}

}  // namespace corlinth::editor_texts
