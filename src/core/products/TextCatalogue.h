#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/document/Bytes.h"
#include "core/document/SettingLine.h"

namespace corlinth {

struct SettingForm;
class VersionOneProduct;

// One entry of a product's "Setting" menu: the caption as the menu shows it and the dialog it
// opens. An entry with an empty caption is a separator.
struct SettingMenuItem {
    std::string_view caption;
    std::string_view dialog;  // window name, the dialog's objectName: "TPirrowNoteOn"
};

// What the document editor asks of a text product's setting catalogue.
class TextCatalogue {
  public:
    virtual ~TextCatalogue() = default;

    // `verifyselection`: the window name of the dialog that edits this setting line, or an
    // empty view when the line is no editable setting of this product.
    virtual std::string_view dialogFor(const Bytes& settingLine) const = 0;

    virtual std::span<const SettingMenuItem> settingMenu() const = 0;

    // The description of a dialog that is built from data (rows of caption and list), by its
    // window name; nullptr for a dialog with its own class and for unknown names.
    virtual const SettingForm* settingForm(std::string_view windowName) const {
        (void)windowName;
        return nullptr;
    }

    // How many event lines follow a message line of the rule units; 0 for everything else.
    virtual int eventLineCount(const Bytes& settingLine) const {
        (void)settingLine;
        return 0;
    }

    // A line's bytes as they are sent and exported (the rule units read placeholders as 00).
    virtual Bytes bytesForSending(std::string_view line) const { return parseLine(line); }

    // The product's part of the version 1 import; nullptr for the products that offer none.
    virtual const VersionOneProduct* versionOneProduct() const { return nullptr; }
};

// The catalogue of a text product; nullptr for structured products and unknown names.
const TextCatalogue* textCatalogue(std::string_view productName);

}  // namespace corlinth
