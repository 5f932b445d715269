#pragma once

#include <QImage>
#include <QList>

class QMessageBox;
class QWidget;

namespace toolkit::qt {
class Window;
}

// What the window tests look for among the application's top-level widgets.
namespace qv_test {

// Every window that the toolkit built and that is not destroyed yet.
QList<toolkit::qt::Window*> liveWindows();

// The message box on screen, if any: the active modal one first, else any visible one.
QMessageBox* openMessageBox();

// The widget as it paints itself, in a format whose pixels compare as plain RGB.
QImage grabbed(QWidget* widget);

} // namespace qv_test
