#pragma once

#include "forms/colour.h"

#include <QColor>

namespace toolkit::qt {

// The system colours, read at every paint so that a palette change shows at once.
QColor buttonFace();
QColor buttonText();

QColor toQColor(forms::Colour colour);
// A stored colour, or `fallback` where the description says "system default".
QColor colourOr(forms::Colour colour, const QColor& fallback);

} // namespace toolkit::qt

class QWidget;

namespace toolkit::qt {

// The widget fills its whole rectangle with `background` (the button face by default) and draws its
// text in `text`, hiding whatever lies beneath it.
void fillBackground(QWidget& widget, forms::Colour background, forms::Colour text);

} // namespace toolkit::qt
