#include "toolkit/win32/fonts.h"

#include "forms/rules.h"
#include "toolkit/win32/text.h"

#include <algorithm>

namespace toolkit::win32 {

std::optional<LOGFONTW> logFontFor(const forms::FontRecord& record) {
    const std::optional<forms::LogFont> font = forms::systemFont(record);
    if (!font)
        return std::nullopt;
    LOGFONTW logFont{};
    logFont.lfHeight = font->height;
    logFont.lfWidth = font->width;
    logFont.lfEscapement = font->escapement;
    logFont.lfOrientation = font->orientation;
    logFont.lfWeight = font->weight;
    logFont.lfItalic = font->italic;
    logFont.lfUnderline = font->underline;
    logFont.lfStrikeOut = font->strike_out;
    logFont.lfCharSet = font->char_set;
    logFont.lfOutPrecision = font->out_precision;
    logFont.lfClipPrecision = font->clip_precision;
    logFont.lfQuality = font->quality;
    logFont.lfPitchAndFamily = font->pitch_and_family;
    const std::wstring face = decodeGbk(forms::faceName(*font));
    const std::size_t length = std::min(face.size(), static_cast<std::size_t>(LF_FACESIZE - 1));
    std::copy_n(face.begin(), length, logFont.lfFaceName);
    return logFont;
}

Font::Font(const forms::FontRecord& record) {
    if (const std::optional<LOGFONTW> logFont = logFontFor(record))
        m_font = CreateFontIndirectW(&*logFont);
}

Font::~Font() {
    if (m_font != nullptr)
        DeleteObject(m_font);
}

HFONT Font::defaultGui() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int Font::lineHeight() const {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

} // namespace toolkit::win32
