#pragma once

#include <QLineEdit>

namespace toolkit::qt {

class Window;

// The system's single-line edit control: a sunken edge, black on white, scrolling sideways.
class EditBox final : public QLineEdit {
    Q_OBJECT
public:
    EditBox(Window& window, std::size_t unit, QWidget* parent);

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
