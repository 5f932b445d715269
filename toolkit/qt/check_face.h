#pragma once

#include <QStyle>

class QAbstractButton;
class QKeyEvent;
class QStyleOptionButton;

namespace toolkit::qt {

// What tells a check box's face from a radio button's.
struct CheckFaceElements {
    QStyle::SubElement indicatorRect;
    QStyle::PrimitiveElement indicator;
    QStyle::SubElement contentsRect;
};

inline constexpr CheckFaceElements CheckBoxFace{QStyle::SE_CheckBoxIndicator, QStyle::PE_IndicatorCheckBox,
                                                QStyle::SE_CheckBoxContents};
inline constexpr CheckFaceElements RadioBoxFace{
    QStyle::SE_RadioButtonIndicator, QStyle::PE_IndicatorRadioButton, QStyle::SE_RadioButtonContents};

// The classic check control's face: the box vertically centred at the left, the text beside it in
// the stored alignment, wrapping inside the control if allowed, and the focus rectangle round the text.
void paintCheckFace(QAbstractButton& button, const QStyleOptionButton& option,
                    const CheckFaceElements& elements, Qt::Alignment alignment, bool wordWrap);

// Arrow keys mean nothing to the system's buttons; only the window moves through a radio set.
bool isArrowKey(const QKeyEvent& event);

} // namespace toolkit::qt
