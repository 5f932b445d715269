#include "toolkit/qt/fonts.h"

#include "forms/rules.h"

#include "toolkit/font_faces.h"
#include "toolkit/qt/text.h"
#include <algorithm>

namespace toolkit::qt {

QFont defaultGuiFont() {
    QFont font(QString::fromUtf8(DefaultGuiFace.data(), static_cast<qsizetype>(DefaultGuiFace.size())));
    font.setPixelSize(DefaultGuiPixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont fontFor(const forms::FontRecord& record) {
    const std::optional<forms::LogFont> logFont = forms::systemFont(record);
    if (!logFont)
        return defaultGuiFont();
    const QString requested = decodeGbk(forms::faceName(*logFont));
    const std::string face = installedFace(requested.toStdString());
    QFont font(QString::fromStdString(face));
    font.setPixelSize(pixelSizeForHeight(logFont->height));
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp(logFont->weight == 0 ? 400 : logFont->weight, 100, 900)));
    font.setItalic(logFont->italic != 0);
    font.setUnderline(logFont->underline != 0);
    font.setStrikeOut(logFont->strike_out != 0);
    return font;
}

} // namespace toolkit::qt
