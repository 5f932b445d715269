#include "toolkit/win32/bitmaps.h"

#include <cstring>
#include <optional>
#include <utility>

namespace toolkit::win32 {

namespace {

void premultiply(Image& image) {
    for (std::size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
        const unsigned alpha = image.pixels[i + 3];
        for (std::size_t c = 0; c < 3; ++c)
            image.pixels[i + c] = static_cast<std::uint8_t>(image.pixels[i + c] * alpha / 255);
    }
}

} // namespace

HBITMAP makeDibSection(const Image& bgra) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bgra.width;
    info.bmiHeader.biHeight = -bgra.height; // top-down rows, as the decoder gives them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        return nullptr;
    }
    std::memcpy(bits, bgra.pixels.data(), bgra.pixels.size());
    return bitmap;
}

Bitmap::Bitmap(const forms::Picture& picture, forms::Colour keyColour) {
    if (picture.empty())
        return;
    const std::optional<Image> decoded = decodePicture(picture.bytes);
    if (!decoded || decoded->empty())
        return;
    Image bgra = applyKeyColour(*decoded, keyColour);
    premultiply(bgra);
    m_bitmap = makeDibSection(bgra);
    if (m_bitmap != nullptr) {
        m_width = bgra.width;
        m_height = bgra.height;
    }
}

Bitmap::~Bitmap() {
    reset();
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : m_bitmap(std::exchange(other.m_bitmap, nullptr)), m_width(std::exchange(other.m_width, 0)),
      m_height(std::exchange(other.m_height, 0)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        reset();
        m_bitmap = std::exchange(other.m_bitmap, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
    }
    return *this;
}

void Bitmap::reset() {
    if (m_bitmap != nullptr)
        DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_width = m_height = 0;
}

void Bitmap::drawStretched(HDC dc, const RECT& target) const {
    if (empty())
        return;
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, m_bitmap);
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source, 0,
               0, m_width, m_height, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    SelectObject(source, old);
    DeleteDC(source);
}

void Bitmap::drawKeyed(HDC dc, POINT at) const {
    if (empty())
        return;
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, m_bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, at.x, at.y, m_width, m_height, source, 0, 0, m_width, m_height, blend);
    SelectObject(source, old);
    DeleteDC(source);
}

} // namespace toolkit::win32
