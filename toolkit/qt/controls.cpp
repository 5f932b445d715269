#include "toolkit/qt/controls.h"

#include "toolkit/qt/button.h"
#include "toolkit/qt/check_box.h"
#include "toolkit/qt/edit_box.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/radio_box.h"
#include "toolkit/qt/shape_box.h"
#include "toolkit/qt/super_btn.h"
#include "toolkit/qt/trans_label.h"
#include "toolkit/qt/window.h"

namespace toolkit::qt {

QWidget* makeControl(Window& window, std::size_t unit, QWidget* parent) {
    switch (window.unit(unit).kind) {
    case forms::Kind::EditBox: return new EditBox(window, unit, parent);
    case forms::Kind::ShapeBox: return new ShapeBox(window, unit, parent);
    case forms::Kind::GroupBox: return new GroupBox(window, unit, parent);
    case forms::Kind::Label: return new Label(window, unit, parent);
    case forms::Kind::Button: return new Button(window, unit, parent);
    case forms::Kind::CheckBox: return new CheckBox(window, unit, parent);
    case forms::Kind::RadioBox: return new RadioBox(window, unit, parent);
    case forms::Kind::TransLabel: return new TransLabel(window, unit, parent);
    case forms::Kind::SuperBtn: return new SuperBtn(window, unit, parent);
    case forms::Kind::Window: break;
    }
    return nullptr;
}

} // namespace toolkit::qt
