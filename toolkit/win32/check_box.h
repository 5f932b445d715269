#pragma once

#include "forms/settings.h"
#include "toolkit/win32/system_button.h"

namespace toolkit::win32 {

// The button styles that check boxes and radio buttons share.
DWORD checkStyleFor(const forms::CheckBoxSettings& s);

// The system's automatic check box: it toggles itself on a click or Space.
class CheckBox final : public SystemButton {
public:
    CheckBox(Window& window, std::size_t unit);

    HBRUSH colours(HDC dc) override;
};

} // namespace toolkit::win32
