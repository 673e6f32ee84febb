#include "core/products/common/SettingForm.h"

#include <stdexcept>

namespace corlinth {

FieldChoice& FormChoices::at(std::string_view name) {
    const auto found = fields.find(name);
    if (found == fields.end()) {
        throw std::out_of_range("no field " + std::string(name));
    }
    return found->second;
}

const FieldChoice& FormChoices::at(std::string_view name) const {
    return const_cast<FormChoices&>(*this).at(name);
}

int FormChoices::keptValue(std::string_view name) const {
    const auto found = kept.find(name);
    if (found == kept.end()) {
        throw std::out_of_range("nothing kept as " + std::string(name));
    }
    return found->second;
}

void FormChoices::keep(std::string_view name, int value) {
    const auto found = kept.find(name);
    if (found == kept.end()) {
        throw std::out_of_range("nothing kept as " + std::string(name));
    }
    found->second = value;
}

const FormField* SettingForm::field(std::string_view name) const {
    for (const FormField& f : fields) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

FormField listField(std::string name, std::string caption, std::vector<std::string> items,
                    int defaultItem) {
    FormField field;
    field.name = std::move(name);
    field.caption = std::move(caption);
    field.items = std::move(items);
    field.defaultItem = defaultItem;
    return field;
}

std::vector<std::string> fieldNames(const SettingForm& form) {
    std::vector<std::string> names;
    for (const FormField& f : form.fields) {
        names.push_back(f.name);
    }
    return names;
}

FormChoices defaultChoices(const SettingForm& form) {
    FormChoices choices;
    for (const FormField& f : form.fields) {
        if (f.kind == FieldKind::Lines) {
            continue;
        }
        FieldChoice choice;
        choice.item = f.defaultItem;
        if (f.kind == FieldKind::MultiSelect) {
            choice.selected.assign(f.items.size(), false);
        }
        choices.fields.emplace(f.name, std::move(choice));
    }
    for (const auto& [name, value] : form.kept) {
        choices.kept.emplace(name, value);
    }
    return choices;
}

std::vector<bool> visibleFields(const SettingForm& form, const FormChoices& choices) {
    if (form.visibility) {
        return form.visibility(choices);
    }
    return std::vector<bool>(form.fields.size(), true);
}

void applyChange(const SettingForm& form, FormChoices& choices, std::string_view changedField) {
    if (form.changed) {
        form.changed(choices, changedField);
    }
}

SettingHandover encodeSetting(const SettingForm& form, const FormChoices& choices) {
    return form.encode ? form.encode(choices) : SettingHandover{};
}

void decodeSetting(const SettingForm& form, const ParsedSetting& setting, FormChoices& choices) {
    if (form.decode) {
        form.decode(setting, choices);
    }
}

std::optional<PopupRequest> popupRequest(const SettingForm& form, const FormChoices& choices,
                                         std::string_view event) {
    return form.opensPopup ? form.opensPopup(choices, event) : std::nullopt;
}

AfterPopup completePopup(const SettingForm& form, FormChoices& choices, int pendingAction,
                         const std::optional<std::string>& entry) {
    return form.popupClosed ? form.popupClosed(choices, pendingAction, entry) : AfterPopup::Stay;
}

}  // namespace corlinth
