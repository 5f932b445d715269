#pragma once

#include <QRadioButton>

namespace toolkit::qt {

class Window;

// An automatic radio button. Its set is the window's business, not Qt's: a click always checks it.
class RadioBox final : public QRadioButton {
    Q_OBJECT
public:
    RadioBox(Window& window, std::size_t unit, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
