#pragma once

#include <QWidget>

namespace toolkit::qt {

class Window;

// The system's group frame, a real container for its children: it fills its rectangle, draws an
// etched frame whose top runs through the middle of its caption line, and takes no focus and no
// mnemonic of its own.
class GroupBox final : public QWidget {
    Q_OBJECT
public:
    GroupBox(Window& window, std::size_t unit, QWidget* parent);

    // Where the frame's top line lies: half a line of the font down, as the system draws it.
    int frameTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintEtchedFrame(QPainter& painter, const QRect& frame) const;
    void paintCaption(QPainter& painter) const;

    Window& m_window;
    std::size_t m_unit;
    QString m_caption;
};

} // namespace toolkit::qt
