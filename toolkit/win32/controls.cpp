#include "toolkit/win32/controls.h"

#include "toolkit/win32/button.h"
#include "toolkit/win32/check_box.h"
#include "toolkit/win32/edit_box.h"
#include "toolkit/win32/group_box.h"
#include "toolkit/win32/label.h"
#include "toolkit/win32/radio_box.h"
#include "toolkit/win32/shape_box.h"
#include "toolkit/win32/super_btn.h"
#include "toolkit/win32/trans_label.h"
#include "toolkit/win32/window.h"

namespace toolkit::win32 {

std::unique_ptr<Control> makeControl(Window& window, std::size_t unit) {
    switch (window.unit(unit).kind) {
    case forms::Kind::EditBox: return std::make_unique<EditBox>(window, unit);
    case forms::Kind::ShapeBox: return std::make_unique<ShapeBox>(window, unit);
    case forms::Kind::GroupBox: return std::make_unique<GroupBox>(window, unit);
    case forms::Kind::Label: return std::make_unique<Label>(window, unit);
    case forms::Kind::Button: return std::make_unique<Button>(window, unit);
    case forms::Kind::CheckBox: return std::make_unique<CheckBox>(window, unit);
    case forms::Kind::RadioBox: return std::make_unique<RadioBox>(window, unit);
    case forms::Kind::TransLabel: return std::make_unique<TransLabel>(window, unit);
    case forms::Kind::SuperBtn: return std::make_unique<SuperBtn>(window, unit);
    case forms::Kind::Window: break;
    }
    return nullptr;
}

} // namespace toolkit::win32
