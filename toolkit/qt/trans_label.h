#pragma once

#include <QWidget>

namespace toolkit::qt {

class Window;

// Text drawn straight over whatever the window shows beneath; no background of its own.
class TransLabel final : public QWidget {
    Q_OBJECT
public:
    TransLabel(Window& window, std::size_t unit, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Window& m_window;
    std::size_t m_unit;
};

} // namespace toolkit::qt
