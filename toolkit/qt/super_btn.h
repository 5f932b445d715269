#pragma once

#include <QAbstractButton>
#include <QImage>

namespace toolkit::qt {

class Window;

// An owner-drawn push button with a picture per state and its caption drawn over it.
class SuperBtn final : public QAbstractButton {
    Q_OBJECT
public:
    SuperBtn(Window& window, std::size_t unit, QWidget* parent);

    const QImage& normalPicture() const { return m_normal; }
    const QImage& hoverPicture() const { return m_hover; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Window& m_window;
    std::size_t m_unit;
    QImage m_normal;
    QImage m_hover;
};

} // namespace toolkit::qt
