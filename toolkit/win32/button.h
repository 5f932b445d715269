#pragma once

#include "toolkit/win32/system_button.h"

namespace toolkit::win32 {

// The system's push button.
class Button final : public SystemButton {
public:
    Button(Window& window, std::size_t unit);

    HBRUSH colours(HDC dc) override;
};

} // namespace toolkit::win32
