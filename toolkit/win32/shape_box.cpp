#include "toolkit/win32/shape_box.h"

#include "toolkit/win32/window.h"

#include <algorithm>

namespace toolkit::win32 {

namespace {

const forms::ShapeBoxSettings& settingsOf(const Control& control) {
    return std::get<forms::ShapeBoxSettings>(control.description().settings);
}

void fill(HDC dc, Brushes& brushes, int x, int y, int width, int height, COLORREF colour) {
    const RECT r{x, y, x + width, y + height};
    FillRect(dc, &r, brushes.solid(colour));
}

} // namespace

ShapeBox::ShapeBox(Window& window, std::size_t unit) : OwnControl(window, unit) {
    createOwn(L"QuorvaneShapeBox", 0);
}

void ShapeBox::paint(HDC dc) {
    const forms::ShapeBoxSettings& s = settingsOf(*this);
    Brushes& brushes = m_window.brushes();
    const RECT client = clientRect();
    const int width = client.right;
    const int height = client.bottom;
    FillRect(dc, &client, brushes.background(s.background_colour));
    const int line = std::max(0, s.line_width);
    if (!forms::isSystemDefault(s.fill_colour))
        fill(dc, brushes, line, line, width - 2 * line, height - 2 * line, toColorRef(s.fill_colour));
    if (s.shape != 0 || line == 0 || s.line_style == 0)
        return;
    // A rectangle outline of `line` pixels lying wholly inside the control.
    const COLORREF colour = toColorRef(s.line_colour);
    fill(dc, brushes, 0, 0, width, line, colour);
    fill(dc, brushes, 0, height - line, width, line, colour);
    fill(dc, brushes, 0, 0, line, height, colour);
    fill(dc, brushes, width - line, 0, line, height, colour);
}

} // namespace toolkit::win32
