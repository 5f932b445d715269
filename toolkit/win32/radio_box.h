#pragma once

#include "toolkit/win32/system_button.h"

namespace toolkit::win32 {

// The system's automatic radio button. Its set is the window's rule: a click checks it, and the
// window unchecks the rest of the set before clicked is raised.
class RadioBox final : public SystemButton {
public:
    RadioBox(Window& window, std::size_t unit);

    void notified(WORD code) override;
    HBRUSH colours(HDC dc) override;
};

} // namespace toolkit::win32
