#pragma once

#include <string>
#include <string_view>

namespace forms {

// Every displayed text is held as code page 936 (GBK) bytes; the toolkit decodes it when it makes a
// control. In the sources each literal is written as escaped GBK bytes with the text beside it.
struct GbkText {
    std::string bytes;

    GbkText() = default;
    explicit GbkText(std::string_view gbk) : bytes(gbk) {}
    bool empty() const { return bytes.empty(); }
    friend bool operator==(const GbkText&, const GbkText&) = default;
};

inline GbkText gbk(std::string_view bytes) {
    return GbkText(bytes);
}

} // namespace forms
