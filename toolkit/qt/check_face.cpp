#include "toolkit/qt/check_face.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace toolkit::qt {

namespace {

int textFlags(Qt::Alignment alignment, bool wordWrap) {
    return static_cast<int>(alignment) | Qt::TextShowMnemonic |
           (wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

} // namespace

void paintCheckFace(QAbstractButton& button, const QStyleOptionButton& option,
                    const CheckFaceElements& elements, Qt::Alignment alignment, bool wordWrap) {
    QStylePainter painter(&button);
    QStyle* style = button.style();

    QStyleOptionButton box = option;
    box.rect = style->subElementRect(elements.indicatorRect, &option, &button);
    painter.drawPrimitive(elements.indicator, box);

    const QRect contents = style->subElementRect(elements.contentsRect, &option, &button);
    const int flags = textFlags(alignment, wordWrap);
    painter.drawItemText(contents, flags, option.palette, button.isEnabled(), option.text,
                         QPalette::WindowText);

    if (option.state.testFlag(QStyle::State_HasFocus) && !option.text.isEmpty()) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = button.fontMetrics()
                         .boundingRect(contents, flags, option.text)
                         .adjusted(-1, 0, 1, 0)
                         .intersected(button.rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool isArrowKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    default: return false;
    }
}

} // namespace toolkit::qt
