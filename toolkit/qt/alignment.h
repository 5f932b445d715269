#pragma once

#include <Qt>

namespace toolkit::qt {

// h_align 0 left, 1 centre, 2 right; v_align 0 top, 1 centre, 2 bottom.
inline Qt::Alignment alignmentFor(int hAlign, int vAlign) {
    Qt::Alignment a = hAlign == 1 ? Qt::AlignHCenter : hAlign == 2 ? Qt::AlignRight : Qt::AlignLeft;
    a |= vAlign == 0 ? Qt::AlignTop : vAlign == 2 ? Qt::AlignBottom : Qt::AlignVCenter;
    return a;
}

} // namespace toolkit::qt
