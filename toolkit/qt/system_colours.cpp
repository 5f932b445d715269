#include "toolkit/qt/system_colours.h"

#include <QApplication>
#include <QPalette>

namespace toolkit::qt {

QColor buttonFace() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}
QColor buttonText() {
    return QApplication::palette().color(QPalette::Active, QPalette::ButtonText);
}

QColor toQColor(forms::Colour colour) {
    const forms::Rgb rgb = forms::toRgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor colourOr(forms::Colour colour, const QColor& fallback) {
    return forms::isSystemDefault(colour) ? fallback : toQColor(colour);
}

} // namespace toolkit::qt

#include <QWidget>

namespace toolkit::qt {

void fillBackground(QWidget& widget, forms::Colour background, forms::Colour text) {
    widget.setAutoFillBackground(true);
    QPalette p = widget.palette();
    p.setColor(QPalette::Window, colourOr(background, buttonFace()));
    p.setColor(QPalette::WindowText, toQColor(text));
    widget.setPalette(p);
}

} // namespace toolkit::qt
