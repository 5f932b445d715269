#pragma once

#include "forms/geometry.h"

#include <QSize>

namespace toolkit::qt {
class Window;
}

// What the window tests expect of a top-level window's frame. The tests run twice: on the offscreen
// platform, which reports a frame of its own, and on one that reports none, where the window assumes
// the classic fixed frame; QV_EXPECTED_FRAME says which ("left,top,right,bottom").
namespace qv_test {

forms::FrameMargins expectedFrame();
QSize expectedClientSize(QSize outer);

// The window is a top-level window fixed at the client size that its outer size leaves, centred on
// its screen by integer division, with a caption, system menu, close and minimize boxes and no
// maximize box, and it refuses to be resized. A failure is recorded in the running test.
void verifyFixedCentredTopLevel(toolkit::qt::Window& window, QSize outer);

} // namespace qv_test
