#include "app/shell.h"
#include "toolkit/entry.h"

// The start of the program, called by the backend's own process entry point.
int toolkit::programMain(const char* argv0) {
    app::Shell shell(toolkit::makeBackend(argv0), app::programWindows());
    return shell.run();
}
