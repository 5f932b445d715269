#pragma once

#include "forms/text.h"

#include <string>
#include <string_view>

namespace toolkit::win32 {

// Code page 936 (GBK) bytes to UTF-16 by the system's own table; bytes it cannot map become U+FFFD.
std::wstring decodeGbk(std::string_view bytes);
inline std::wstring decodeGbk(const forms::GbkText& text) {
    return decodeGbk(text.bytes);
}

// The shell's own messages are UTF-8.
std::wstring decodeUtf8(std::string_view bytes);

} // namespace toolkit::win32
