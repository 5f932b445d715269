#include "toolkit/qt/edit_box.h"

#include "forms/rules.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/system_colours.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>
#include <limits>

namespace toolkit::qt {

namespace {

// The sunken edge of the classic edit control, on each side.
constexpr int SunkenEdge = 2;

Qt::Alignment alignmentFor(int alignment) {
    return alignment == 1 ? Qt::AlignHCenter : alignment == 2 ? Qt::AlignRight : Qt::AlignLeft;
}

bool isSelectingReason(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

template <class Slot>
void addEditAction(QMenu& menu, const char* text, bool enabled, QLineEdit& edit, Slot slot) {
    QAction* action = menu.addAction(QString::fromUtf8(text));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, &edit, slot);
}

} // namespace

EditBox::EditBox(Window& window, std::size_t unit, QWidget* parent)
    : QLineEdit(parent), m_window(window), m_unit(unit) {
    const auto& u = window.unit(unit);
    const auto& s = std::get<forms::EditBoxSettings>(u.settings);
    setFont(fontFor(s.font));
    setFrame(s.border != 0);
    setText(decodeGbk(s.text));
    setMaxLength(s.max_length > 0 ? s.max_length : std::numeric_limits<int>::max());
    setReadOnly(s.input_mode == 1);
    setAlignment(alignmentFor(s.alignment) | Qt::AlignVCenter);
    setAcceptDrops(false);
    QPalette p = palette();
    p.setColor(QPalette::Text, toQColor(s.text_colour));
    p.setColor(QPalette::Base, colourOr(s.background_colour, buttonFace()));
    setPalette(p);
    setCursorPosition(0);
    m_hidesSelection = s.hide_selection;
    setFocusPolicy(Qt::StrongFocus);
    const int height = forms::editBoxHeight(u.height, QFontMetrics(font()).height(), SunkenEdge);
    setGeometry(u.left, u.top, u.width, height);
}

void EditBox::focusInEvent(QFocusEvent* event) {
    if (isSelectingReason(event->reason())) {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
    } else {
        QLineEdit::focusInEvent(event);
    }
    restoreSelection();
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    // A context menu of its own keeps the selection it acts on.
    const bool toPopup = event->reason() == Qt::PopupFocusReason;
    if (!toPopup && m_hidesSelection)
        hideSelection();
    QLineEdit::focusOutEvent(event);
}

void EditBox::hideSelection() {
    if (!hasSelectedText())
        return;
    const int start = selectionStart();
    const int end = selectionEnd();
    const int caret = cursorPosition();
    m_hiddenSelection = Selection{caret == start ? end : start, caret};
    deselect();
}

void EditBox::restoreSelection() {
    if (!m_hiddenSelection)
        return;
    const Selection selection = *m_hiddenSelection;
    m_hiddenSelection.reset();
    const int length = static_cast<int>(text().size());
    if (selection.anchor > length || selection.caret > length)
        return;
    setSelection(selection.anchor, selection.caret - selection.anchor);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    // In a single-line edit control Up and Down move the caret like Left and Right.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        QKeyEvent sideways(event->type(), event->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                           event->modifiers());
        QLineEdit::keyPressEvent(&sideways);
        event->setAccepted(sideways.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The system's own menu for an edit control, in the system's language.
void EditBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const bool pastable = !QGuiApplication::clipboard()->text().isEmpty();
    addEditAction(menu, "撤消(&U)", editable && isUndoAvailable(), *this, &QLineEdit::undo);
    menu.addSeparator();
    addEditAction(menu, "剪切(&T)", editable && selected, *this, &QLineEdit::cut);
    addEditAction(menu, "复制(&C)", selected, *this, &QLineEdit::copy);
    addEditAction(menu, "粘贴(&P)", editable && pastable, *this, &QLineEdit::paste);
    addEditAction(menu, "删除(&D)", editable && selected, *this, &QLineEdit::del);
    menu.addSeparator();
    addEditAction(menu, "全选(&A)", !text().isEmpty(), *this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

} // namespace toolkit::qt
