#pragma once

#include <QLineEdit>
#include <optional>

namespace toolkit::qt {

class Window;

// The system's single-line edit control: a sunken edge, black on white, scrolling sideways. No
// dialog manager selects its text when the focus arrives, and with hide_selection the selection is
// hidden while it has no focus and back when the focus returns.
class EditBox final : public QLineEdit {
    Q_OBJECT
public:
    EditBox(Window& window, std::size_t unit, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Selection {
        int anchor = 0;
        int caret = 0;
    };

    void hideSelection();
    void restoreSelection();

    Window& m_window;
    std::size_t m_unit;
    // Kept from the settings: the focus leaves while the window is being destroyed, too.
    bool m_hidesSelection = true;
    std::optional<Selection> m_hiddenSelection;
};

} // namespace toolkit::qt
