#pragma once

#include <QCheckBox>

namespace toolkit::qt {

class Window;

// An automatic check box: a click anywhere on it or Space toggles it on its own.
class CheckBox final : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(Window& window, std::size_t unit, QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
