#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "core/app/FixedTexts.h"

namespace corlinth::gui {

// The core keeps its texts as UTF-8; the windows show them as QString.
inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

inline QFont qtFont(const FontSpec& spec) {
    QFont font(qt(spec.family), spec.pointSize);
    font.setBold(spec.bold);
    return font;
}

}  // namespace corlinth::gui
