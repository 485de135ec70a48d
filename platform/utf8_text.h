// The one conversion of the rules' UTF-8 text into Qt's text.
#pragma once

#include <QString>

#include <string_view>

namespace duel {

// `utf8` as a QString; views need not end with a NUL.
inline QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace duel
