#include "toolkit/win32/text.h"

#include "toolkit/win32/win32.h"

#include <climits>

namespace toolkit::win32 {

namespace {

constexpr UINT GbkCodePage = 936;

std::wstring decode(UINT codePage, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int length = static_cast<int>(bytes.size());
    const int wide = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (wide <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), wide);
    return text;
}

} // namespace

std::wstring decodeGbk(std::string_view bytes) {
    return decode(GbkCodePage, bytes);
}

std::wstring decodeUtf8(std::string_view bytes) {
    return decode(CP_UTF8, bytes);
}

} // namespace toolkit::win32
