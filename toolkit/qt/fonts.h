#pragma once

#include "forms/font.h"

#include <QFont>

namespace toolkit::qt {

QFont defaultGuiFont();
// The font a unit's record asks for, by the font rule; the default GUI font without a usable record.
QFont fontFor(const forms::FontRecord& record);

} // namespace toolkit::qt
