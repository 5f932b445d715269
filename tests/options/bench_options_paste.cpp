// How long the options window's edit box takes to take a long paste, and to answer the keys and the
// repaint that follow it. Prints its figures; run it by hand (QT_QPA_PLATFORM=offscreen works).
#include "app/shell.h"
#include "forms/options_window.h"
#include "forms/start_window.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <functional>

namespace {

double millisecondsOf(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    auto backend = std::make_unique<toolkit::qt::QtBackend>("quorvane");
    toolkit::qt::QtBackend* qt = backend.get();
    app::Shell shell(std::move(backend), app::programWindows());
    if (!shell.initToolkit() || !shell.loadStartWindow(forms::StartWindowRef.window) ||
        !app::LoadWindow(forms::OptionsWindowRef))
        return 1;
    toolkit::qt::Window* window = qt->window(forms::OptionsWindowRef.window);
    auto* edit = qobject_cast<QLineEdit*>(window->control(std::string_view("编辑框1")));
    if (edit == nullptr || !QTest::qWaitForWindowActive(window))
        return 1;
    edit->setFocus();

    for (const int length : {1000, 10000, 100000, 1000000}) {
        edit->clear();
        QGuiApplication::clipboard()->setText(QString(length, QChar(0x4eba)));
        const double paste = millisecondsOf([&] { QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); });
        const double key = millisecondsOf([&] { QTest::keyClick(edit, Qt::Key_A); });
        const double home = millisecondsOf([&] { QTest::keyClick(edit, Qt::Key_Home); });
        const double end = millisecondsOf([&] { QTest::keyClick(edit, Qt::Key_End); });
        const double paint = millisecondsOf([&] { edit->grab(); });
        std::printf(
            "%8d chars: paste %8.2f ms, key %7.2f ms, Home %7.2f ms, End %7.2f ms, repaint %7.2f ms\n",
            static_cast<int>(edit->text().size()), paste, key, home, end, paint);
    }
    window->close();
    qt->window(forms::StartWindowRef.window)->close();
    return 0;
}
