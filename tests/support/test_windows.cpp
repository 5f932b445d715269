#include "test_windows.h"

#include "toolkit/qt/window.h"

#include <QApplication>
#include <QMessageBox>

namespace qv_test {

QList<toolkit::qt::Window*> liveWindows() {
    QList<toolkit::qt::Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<toolkit::qt::Window*>(widget))
            windows.append(window);
    return windows;
}

QMessageBox* openMessageBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        return box;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    return nullptr;
}

QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace qv_test
