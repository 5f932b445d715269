#pragma once

#include "toolkit/win32/control.h"

namespace toolkit::win32 {

// A drawn shape: its background, then the outline drawn inside its bounds.
class ShapeBox final : public OwnControl {
public:
    ShapeBox(Window& window, std::size_t unit);

private:
    void paint(HDC dc) override;
};

} // namespace toolkit::win32
