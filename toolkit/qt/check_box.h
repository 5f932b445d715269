#pragma once

#include <QCheckBox>

namespace toolkit::qt {

class Window;

// An automatic check box: a click or Space toggles it on its own.
class CheckBox final : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(Window& window, std::size_t unit, QWidget* parent);

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
