#pragma once

#include "forms/font.h"
#include "toolkit/win32/win32.h"

#include <optional>

namespace toolkit::win32 {

// The logical font a unit's record asks for, by the font rule; nothing without a usable record.
std::optional<LOGFONTW> logFontFor(const forms::FontRecord& record);

// A unit's font: one made from its record, or the system's default GUI font, which is shared and
// never deleted.
class Font {
public:
    explicit Font(const forms::FontRecord& record);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT handle() const { return m_font != nullptr ? m_font : defaultGui(); }
    bool isDefaultGui() const { return m_font == nullptr; }
    // One line's height in this font, as the system measures it.
    int lineHeight() const;

    static HFONT defaultGui();

private:
    HFONT m_font = nullptr;
};

} // namespace toolkit::win32
