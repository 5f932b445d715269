#pragma once

#include "forms/colour.h"
#include "forms/picture.h"
#include "toolkit/picture.h"
#include "toolkit/win32/win32.h"

namespace toolkit::win32 {

// A 32-bit top-down DIB section holding a Bgra32 image's pixels as they are; nullptr if the system
// cannot make one.
HBITMAP makeDibSection(const Image& bgra);

// A decoded picture as a 32-bit top-down DIB section with premultiplied alpha, so that pixels made
// transparent by a key colour are skipped when it is drawn. A picture that cannot be decoded gives an
// empty bitmap: its slot is empty.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(const forms::Picture& picture, forms::Colour keyColour = forms::SystemDefault);
    ~Bitmap();
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    bool empty() const { return m_bitmap == nullptr; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    HBITMAP handle() const { return m_bitmap; }

    // Stretched over `target`, every pixel opaque.
    void drawStretched(HDC dc, const RECT& target) const;
    // At its own size with its top-left corner at `at`, leaving transparent pixels untouched.
    void drawKeyed(HDC dc, POINT at) const;

private:
    void reset();

    HBITMAP m_bitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
};

} // namespace toolkit::win32
