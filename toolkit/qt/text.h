#pragma once

#include "forms/text.h"

#include <QString>
#include <string_view>

namespace toolkit::qt {

// GBK (code page 936) bytes to a QString; undecodable bytes become U+FFFD.
QString decodeGbk(std::string_view bytes);
inline QString decodeGbk(const forms::GbkText& text) {
    return decodeGbk(text.bytes);
}

} // namespace toolkit::qt
