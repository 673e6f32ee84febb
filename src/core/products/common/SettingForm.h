#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/SettingHandover.h"

namespace corlinth {

// A setting dialog described as data: the windows build their rows from this description and
// apply its rules, so that a product family's dialogs differ only by their tables and all texts
// and rules stay in the core.

enum class FieldKind {
    List,         // a drop-down list of `items`
    TextField,    // a one-line text field
    MultiSelect,  // a set of `items` that can each be selected (a program grid)
    Lines,        // fixed explanatory lines (`items`) under a caption such as "Operation:"
};

enum class Placement {
    NewRow,  // below the previous field
    Beside,  // to the right of the previous field, in its row
    InPlace  // in the previous field's place; the two are never shown together
};

struct FormField {
    std::string name;  // the control's objectName: "ComboBox19", "Edit1"
    FieldKind kind = FieldKind::List;
    std::string caption;  // the label before the control; may be empty
    std::vector<std::string> items;
    int defaultItem = 0;
    Placement placement = Placement::NewRow;
    // For a text field filled through an entry popup: the popup's window name. A click in the
    // field opens it.
    std::string entryPopup;
};

// What the user has chosen: one value for each field, by the field's name.
struct FieldChoice {
    int item = 0;                // List: the chosen item
    std::string text;            // TextField: its text
    std::vector<bool> selected;  // MultiSelect: one flag per item

    bool operator==(const FieldChoice&) const = default;
};

struct FormChoices {
    std::map<std::string, FieldChoice, std::less<>> fields;

    // Unknown names are a programming error and throw std::out_of_range.
    FieldChoice& at(std::string_view name);
    const FieldChoice& at(std::string_view name) const;
    int item(std::string_view name) const { return at(name).item; }
    void setItem(std::string_view name, int item) { at(name).item = item; }
    const std::string& text(std::string_view name) const { return at(name).text; }
    void setText(std::string_view name, std::string text) { at(name).text = std::move(text); }

    bool operator==(const FormChoices&) const = default;
};

struct SettingForm {
    std::string windowName;  // "TPirrowNoteOn"
    std::string caption;     // the window title
    std::string heading;     // the line above the fields
    std::vector<FormField> fields;
    std::vector<std::string> notes;  // lines under the fields

    // The dialog's rules, pure functions of the choices. An unset rule does nothing.
    // Which fields are shown, one flag per field in the order of `fields`.
    std::function<std::vector<bool>(const FormChoices&)> visibility;
    // What the user's change of one field does to the others.
    std::function<void(FormChoices&, std::string_view changedField)> changed;
    // The setting that OK hands to the editor.
    std::function<SettingHandover(const FormChoices&)> encode;
    // Edit Setting: the choices that the setting under the caret carries; the others stay.
    std::function<void(const ParsedSetting&, FormChoices&)> decode;

    const FormField* field(std::string_view name) const;
};

// The choices of a dialog as it is created: every field at its default.
FormChoices defaultChoices(const SettingForm& form);
std::vector<bool> visibleFields(const SettingForm& form, const FormChoices& choices);
void applyChange(const SettingForm& form, FormChoices& choices, std::string_view changedField);
SettingHandover encodeSetting(const SettingForm& form, const FormChoices& choices);
void decodeSetting(const SettingForm& form, const ParsedSetting& setting, FormChoices& choices);

}  // namespace corlinth
