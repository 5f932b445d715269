#pragma once

#include "app/shell.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/window.h"

#include <QString>
#include <functional>
#include <memory>

// The program's two windows on the running QApplication, without sound, driven through their real
// widgets: one cycle opens the options window with a click on the start button, types into its edit
// boxes, ticks its check boxes, picks a radio button and closes the window again.
class OptionsCycle {
public:
    OptionsCycle();
    ~OptionsCycle();
    OptionsCycle(const OptionsCycle&) = delete;
    OptionsCycle& operator=(const OptionsCycle&) = delete;

    // Builds the shell and shows the start window.
    bool start();
    // One cycle; false as soon as something is not as it should be, with the reason in error().
    bool run(int cycle);
    QString error() const { return m_error; }

    toolkit::qt::Window* startWindow() const;
    // Ends with the start window closed and the shell's quit request taken.
    void finish();

private:
    bool fail(const QString& why);
    toolkit::qt::Window* openOptions();
    bool startsEmpty(toolkit::qt::Window& options);
    bool fillIn(toolkit::qt::Window& options, int cycle);
    bool close(toolkit::qt::Window& options, int cycle);

    std::unique_ptr<app::Shell> m_shell;
    toolkit::qt::QtBackend* m_backend = nullptr;
    QString m_error;
};

// Processes events until `done` holds or `milliseconds` have passed; true when it holds.
bool waitUntil(const std::function<bool()>& done, int milliseconds = 5000);

// The offscreen platform warns each time a window is brought forward or sized, a thousand times in a
// soak; this hides those warnings and lets everything else through.
void hidePlatformLimitations();
