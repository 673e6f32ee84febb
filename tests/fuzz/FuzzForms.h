#pragma once

#include <cstddef>
#include <string>

#include "core/document/SettingLine.h"
#include "core/products/common/SettingForm.h"

// Checks shared by the fuzz targets of the setting dialogs. A failed check stops the run.

inline void fuzzCheck(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Every list of a decoded dialog shows one of its items.
inline void checkListsShowItems(const corlinth::SettingForm& form,
                                const corlinth::FormChoices& choices) {
    for (const corlinth::FormField& field : form.fields) {
        if (field.kind == corlinth::FieldKind::List) {
            const int item = choices.item(field.name);
            fuzzCheck(item >= 0 && static_cast<std::size_t>(item) < field.items.size());
        }
    }
}

// Every byte between the header and the closing F7 of a message a dialog writes is a MIDI data
// byte, whatever line the dialog was decoded from.
inline void checkDataBytes(const std::string& line) {
    if (line.empty()) {
        return;
    }
    const corlinth::Bytes bytes = corlinth::parseLine(line);
    fuzzCheck(bytes.size() >= 7 && bytes.front() == 0xF0 && bytes.back() == 0xF7);
    for (std::size_t i = 1; i + 1 < bytes.size(); ++i) {
        fuzzCheck(bytes[i] < 0x80);
    }
}
