#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
    // field opens it; a form that sets `opensPopup` says there with which pending action.
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
    // What a dialog's rules remember between events and no control shows (the type chosen
    // before a popup opened, where a varying byte stands), by name; started from the form's
    // `kept`.
    std::map<std::string, int, std::less<>> kept;

    // Unknown names are a programming error and throw std::out_of_range.
    FieldChoice& at(std::string_view name);
    const FieldChoice& at(std::string_view name) const;
    int item(std::string_view name) const { return at(name).item; }
    void setItem(std::string_view name, int item) { at(name).item = item; }
    const std::string& text(std::string_view name) const { return at(name).text; }
    void setText(std::string_view name, std::string text) { at(name).text = std::move(text); }
    // Unknown names throw std::out_of_range, as for the fields.
    int keptValue(std::string_view name) const;
    void keep(std::string_view name, int value);

    bool operator==(const FormChoices&) const = default;
};

// An entry popup described as data: a window with one text field, OK and Cancel, in which the
// user types what a dialog's text field is to hold.
struct EntryPopupForm {
    std::string windowName;          // "TGavrelSysPop"; empty when the dialog has no popup
    std::string caption;             // the window title
    std::vector<std::string> lines;  // the prompt and hints around the field
    // The popup's OK: normalises the text in place and answers the warning to show, or an
    // empty text when the entry is good and the popup may close with it.
    std::function<std::string(std::string& text)> check;
};

// The entry popup a dialog opens: the field it fills, the editor's pending action while it is
// shown (4 when the dialog opened it by itself, 5 for a click, as each dialog defines), and the
// text the popup starts with.
struct PopupRequest {
    std::string field;
    int pendingAction = 4;
    std::string entryText;

    bool operator==(const PopupRequest&) const = default;
};

// What a dialog does when its popup has closed and the editor continues the pending action.
enum class AfterPopup { Stay, Close };

// The event name of a dialog becoming active (other events are named by their control).
inline constexpr std::string_view kFormActivated = "FormActivate";

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

    // The remembered values and where they start.
    std::vector<std::pair<std::string, int>> kept;
    // The popup that fills a text field of this dialog (the field's `entryPopup`).
    EntryPopupForm popup;
    // Whether an event opens the popup: `event` is the list the user changed (after `changed`
    // ran), the text field clicked, or kFormActivated. The dialog hides itself while the popup
    // is shown.
    std::function<std::optional<PopupRequest>(const FormChoices&, std::string_view event)>
        opensPopup;
    // The editor's `mainjump` for the popup's pending action: the entry the popup accepted, or
    // nullopt after Cancel.
    std::function<AfterPopup(FormChoices&, int pendingAction,
                             const std::optional<std::string>& entry)>
        popupClosed;

    const FormField* field(std::string_view name) const;
};

// A list with its caption, as most rows of the dialogs are.
FormField listField(std::string name, std::string caption, std::vector<std::string> items,
                    int defaultItem = 0);
// The fields' names in their order, as a visibility rule lists them.
std::vector<std::string> fieldNames(const SettingForm& form);

// The choices of a dialog as it is created: every field at its default.
FormChoices defaultChoices(const SettingForm& form);
std::vector<bool> visibleFields(const SettingForm& form, const FormChoices& choices);
void applyChange(const SettingForm& form, FormChoices& choices, std::string_view changedField);
SettingHandover encodeSetting(const SettingForm& form, const FormChoices& choices);
void decodeSetting(const SettingForm& form, const ParsedSetting& setting, FormChoices& choices);
std::optional<PopupRequest> popupRequest(const SettingForm& form, const FormChoices& choices,
                                         std::string_view event);
AfterPopup completePopup(const SettingForm& form, FormChoices& choices, int pendingAction,
                         const std::optional<std::string>& entry);

}  // namespace corlinth
