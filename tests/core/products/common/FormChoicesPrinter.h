#pragma once

#include <ostream>

#include "core/products/common/SettingForm.h"

namespace corlinth {

// The choices as a failing test prints them: every field and every kept value by name.
inline void PrintTo(const FormChoices& choices, std::ostream* os) {
    for (const auto& [name, choice] : choices.fields) {
        *os << name << '=' << choice.item;
        if (!choice.text.empty()) {
            *os << " \"" << choice.text << '"';
        }
        *os << "; ";
    }
    for (const auto& [name, value] : choices.kept) {
        *os << name << '=' << value << "; ";
    }
}

}  // namespace corlinth
